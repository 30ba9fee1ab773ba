#!/usr/bin/env bash
# `cmake --install BUILD --prefix PREFIX` puts the programs, the resources and
# the desktop integration where a Linux desktop looks for them, and the
# launcher and MIME files pass the freedesktop.org tools.
# Arguments: BUILD PREFIX [EDITOR_BUILT].
set -euo pipefail
build=$1
prefix=$2
editor_built=${3:-0}  # 1 when the build has the editor's target

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "install: $*" >&2; exit 1; }
for file in \
    bin/fulgrane3d-cli \
    share/fulgrane3d/color.ini \
    share/fulgrane3d/samples/fire.nbx \
    share/fulgrane3d/samples/magic_circle.nbx \
    share/fulgrane3d/samples/sparkle.nbx \
    share/fulgrane3d/help/index_ja.html \
    share/fulgrane3d/help/index_en.html \
    share/applications/fulgrane3d.desktop \
    share/icons/hicolor/scalable/apps/fulgrane3d.svg \
    share/mime/packages/fulgrane3d.xml \
    share/man/man1/fulgrane3d-cli.1.gz \
    share/man/man1/fulgrane3d.1.gz \
    share/bash-completion/completions/fulgrane3d-cli; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
[ -x "$prefix/bin/fulgrane3d-cli" ] || fail "fulgrane3d-cli is not executable"
if [ "$editor_built" = 1 ]; then
  [ -x "$prefix/bin/fulgrane3d" ] || fail "the editor was built but not installed"
fi

desktop-file-validate "$prefix/share/applications/fulgrane3d.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=fulgrane3d %f' "$prefix/share/applications/fulgrane3d.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-fulgrane3d-project;' "$prefix/share/applications/fulgrane3d.desktop" \
  || fail "MimeType line"

update-mime-database "$prefix/share/mime" || fail "update-mime-database"
grep -q '^[0-9]*:application/x-fulgrane3d-project:\*\.nbx$' "$prefix/share/mime/globs2" || fail "*.nbx glob"
grep -aq 'NebrixData' "$prefix/share/mime/magic" || fail "NebrixData magic"

# The installed tool runs on an installed sample.
FULGRANE3D_HOME="$prefix/home" "$prefix/bin/fulgrane3d-cli" info "$prefix/share/fulgrane3d/samples/fire.nbx" \
  | grep -q '火の粉' || fail "fulgrane3d-cli info on the installed sample"
echo "install: ok"
