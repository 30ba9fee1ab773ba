#!/usr/bin/env bash
# dpkg installs the package into a scratch root (its own database, the
# dependencies left to that root's owner) and removes it again: every file
# the package brought is gone afterwards. Argument: OUT.
# Skips (77) where dpkg cannot install at all.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/common.sh"
deb=$(package_file "$1")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers" "$root/var/log"
touch "$root/var/lib/dpkg/status"
dpkg_root=(dpkg --root="$root" --force-not-root --force-script-chrootless --log=/dev/null)
if ! "${dpkg_root[@]}" --audit > "$scratch/audit.log" 2>&1; then
  echo "SKIP: dpkg cannot work on a scratch root here: $(cat "$scratch/audit.log")"
  exit 77
fi

"${dpkg_root[@]}" --force-depends -i "$deb" > "$scratch/install.log" 2>&1 \
  || { cat "$scratch/install.log" >&2; fail "dpkg -i into the scratch root"; }
[ "$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' fulgrane3d)" = "install ok installed" ] \
  || fail "the package is not installed"
while read -r file; do
  [ -e "$root$file" ] || fail "installed without $file"
done < <(dpkg-query --admindir="$root/var/lib/dpkg" -L fulgrane3d)
[[ $("$root/usr/bin/fulgrane3d-cli" --version) == "fulgrane3d-cli "* ]] || fail "the installed tool does not run"
echo "installed: $(find "$root/usr" -type f | wc -l) files"

"${dpkg_root[@]}" --purge fulgrane3d > "$scratch/remove.log" 2>&1 \
  || { cat "$scratch/remove.log" >&2; fail "dpkg --purge"; }
if dpkg-query --admindir="$root/var/lib/dpkg" -W fulgrane3d > /dev/null 2>&1; then
  fail "dpkg still lists the package"
fi
left=$(find "$root" -mindepth 1 -not -path "$root/var" -not -path "$root/var/*")
[ -z "$left" ] || fail "left after removal: $left"
echo "package: installed into and removed from a scratch root; nothing left"
