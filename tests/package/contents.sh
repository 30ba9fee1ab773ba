#!/usr/bin/env bash
# The package's control data and files, and its programs run from a
# `dpkg -x` extraction: the tool's version and an export of an installed
# sample, the editor's window under a virtual display (in English, with the
# colour scheme and help pages of the installed tree), the manual page and the
# completion against the tool's own usage. Arguments: OUT VERSION [EDITOR_BUILT].
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/common.sh"
out=$1
version=$2
editor_built=${3:-0}
deb=$(package_file "$out")

# --- control data ---
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = fulgrane3d ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
grep -q 'エディタ' <<< "$(field Description)" || fail "no Japanese description"
depends=$(field Depends)
echo "Depends: $depends"
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6openglwidgets6 libepoxy0 \
    libgif7 libwebp7 qt6-image-formats-plugins libgl1-mesa-dri; do
  grep -qxF -- "$needed" <<< "$(sed 's/ *([^)]*)//g; s/, */\n/g' <<< "$depends")" || fail "Depends lacks $needed"
done
# Every dependency is met on this machine, where the programs run: the names
# exist and the versions asked for are the installed ones or older.
IFS=',' read -r -a entries <<< "$depends"
for entry in "${entries[@]}"; do
  entry=$(echo "$entry" | xargs)
  name=${entry%% *}
  case $name in *-dev | *-dbg) fail "Depends on a development package: $entry" ;; esac
  state=$(dpkg-query -W -f='${db:Status-Status} ${Version}\n' "$name" 2> /dev/null | head -n 1 || true)
  [[ $state == "installed "* ]] || fail "dependency not installed here: $entry"
  installed=${state#installed }
  if [[ $entry =~ \(([<>=]+)\ ([^\)]+)\) ]]; then
    dpkg --compare-versions "$installed" "$(sed 's/>=/ge/;s/<=/le/;s/>>/gt/;s/<</lt/;s/^=$/eq/' <<< "${BASH_REMATCH[1]}")" \
      "${BASH_REMATCH[2]}" || fail "$name $installed does not meet $entry"
  fi
done
triggers=$(dpkg-deb -I "$deb" triggers) || fail "no triggers file"
for path in /usr/share/applications /usr/share/mime/packages /usr/share/icons/hicolor; do
  grep -qx "activate-noawait $path" <<< "$triggers" || fail "no trigger for $path"
done

# --- files ---
listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
expected=(
  ./usr/bin/fulgrane3d-cli
  ./usr/share/fulgrane3d/color.ini
  ./usr/share/fulgrane3d/samples/fire.nbx
  ./usr/share/fulgrane3d/samples/magic_circle.nbx
  ./usr/share/fulgrane3d/samples/sparkle.nbx
  ./usr/share/fulgrane3d/help/index_ja.html
  ./usr/share/fulgrane3d/help/index_en.html
  ./usr/share/applications/fulgrane3d.desktop
  ./usr/share/icons/hicolor/scalable/apps/fulgrane3d.svg
  ./usr/share/mime/packages/fulgrane3d.xml
  ./usr/share/man/man1/fulgrane3d-cli.1.gz
  ./usr/share/man/man1/fulgrane3d.1.gz
  ./usr/share/bash-completion/completions/fulgrane3d-cli
)
if [ "$editor_built" = 1 ]; then expected+=(./usr/bin/fulgrane3d); fi
for file in "${expected[@]}"; do
  grep -qx -- "$file" <<< "$listing" || fail "the package lacks $file"
done
outside=$(grep -v '^\./usr/' <<< "$listing" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# --- the extracted programs ---
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"
export FULGRANE3D_HOME=$scratch/home
cli=$root/usr/bin/fulgrane3d-cli
[ "$("$cli" --version)" = "fulgrane3d-cli $version" ] || fail "fulgrane3d-cli --version: $("$cli" --version)"
"$cli" export "$root/usr/share/fulgrane3d/samples/fire.nbx" -o "$scratch/fire.png" --quiet \
  || fail "exporting the installed fire sample"
[ "$(head -c 8 "$scratch/fire.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the export is no PNG"

# The manual page describes every option the tool's usage names (each in an
# entry of its own, the line after .TP), and the completion offers it.
page=$(zcat "$root/usr/share/man/man1/fulgrane3d-cli.1.gz" | sed 's/\\-/-/g')
entries=$(awk 'previous == ".TP" {print} {previous = $0}' <<< "$page")
completion=$(cat "$root/usr/share/bash-completion/completions/fulgrane3d-cli")
for command in info simulate render export; do
  grep -q "^\.SS $command" <<< "$page" || fail "the manual page has no section for $command"
  for option in $("$cli" "$command" --help | grep -oE -- '(^|[ [|])--?[a-z][a-z0-9-]*' | sed 's/^[ [|]//' | sort -u); do
    grep -qE -- "(^|[ \"]|\\\\fP)$option( |\"|$)" <<< "$entries" || fail "the manual page lacks $command $option"
    grep -qF -- "$option" <<< "$completion" || fail "the completion lacks $command $option"
  done
done
for option in --lang --help --version; do
  grep -qE -- "(^|[ \"]|\\\\fP)$option( |\"|$)" <<< "$entries" || fail "the manual page lacks $option"
done
if command -v groff > /dev/null; then
  for page_file in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(zcat "$page_file" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff warns on $(basename "$page_file"): $warnings"
  done
fi
completes() {  # WORDS... : what bash completes for the last word
  bash -c 'shopt -s extglob; source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1));
           _fulgrane3d_cli; printf "%s\n" "${COMPREPLY[@]}"' completion \
    "$root/usr/share/bash-completion/completions/fulgrane3d-cli" "$@"
}
[ "$(completes fulgrane3d-cli ex)" = export ] || fail "completion of a command"
[ "$(completes fulgrane3d-cli export fire.nbx --anim)" = --animated ] || fail "completion of an option"
[ "$(cd "$root/usr/share/fulgrane3d/samples" && completes fulgrane3d-cli info fi)" = fire.nbx ] \
  || fail "completion of a project"

# The editor: its window titled in English, which only the translation
# embedded in the program gives; the colour scheme written from it; the help
# pages where it looks from an installed program (bin/../share/fulgrane3d/help),
# with no build-tree copy beside it.
if [ "$editor_built" = 1 ]; then
  [ -f "$root/usr/share/fulgrane3d/help/index_en.html" ] && [ ! -e "$root/usr/bin/help" ] \
    || fail "the help pages are not where the installed editor looks"
  command -v xdotool > /dev/null || fail "xdotool is not installed (scripts/setup installs it)"
  mkdir -p "$FULGRANE3D_HOME"
  # No update check: the address answers nothing at once.
  printf '[UPDATE]\nURL=file:///nonexistent/version.txt\n' > "$FULGRANE3D_HOME/data.prm"
  title=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" --lang en > "$2/editor.log" 2>&1 &
    editor=$!
    for _ in $(seq 60); do
      name=$(xdotool search --name "Fulgrane3D" getwindowname %@ 2> /dev/null | grep -- "- Fulgrane3D" | head -n 1 || true)
      if [ -n "$name" ]; then break; fi
      sleep 0.5
    done
    kill "$editor" 2> /dev/null || true
    wait "$editor" 2> /dev/null || true
    echo "$name"' editor "$root/usr/bin/fulgrane3d" "$scratch")
  echo "editor window: $title"
  [ "$title" = "Untitled.nbx - Fulgrane3D" ] || { cat "$scratch/editor.log" >&2; fail "editor window title \"$title\""; }
  cmp -s "$FULGRANE3D_HOME/color.ini" "$root/usr/share/fulgrane3d/color.ini" \
    || fail "the editor did not write the default colour scheme"
fi
echo "package: contents ok ($(basename "$deb"))"
