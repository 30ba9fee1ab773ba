#!/usr/bin/env bash
# Makes the .deb from the built tree with cpack: the packaging step of
# scripts/package without its release build. Arguments: BUILD OUT.
# Skips (77) where the Debian tools are missing: no Debian package can be made.
set -euo pipefail
build=$1
out=$2
for tool in dpkg dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIP: $tool is not installed, so no Debian package can be built here"
    exit 77
  fi
done
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" > "$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log" >&2; echo "package: cpack failed" >&2; exit 1; }
count=$(find "$out" -maxdepth 1 -name 'fulgrane3d_*.deb' | wc -l)
[ "$count" = 1 ] || { echo "package: expected one .deb in $out, found $count" >&2; exit 1; }
ls "$out"/fulgrane3d_*.deb
