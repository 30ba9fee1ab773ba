#!/usr/bin/env bash
# info_escapes.sh DIR CLI: a loose project whose node name holds terminal
# control characters and whose material file name is not UTF-8. `info`
# shows them escaped; `info --json` stays valid UTF-8.
dir="$1"; cli="$2"
rm -rf "$dir"; mkdir -p "$dir/project"
printf '[1]\nm_name=a\033]0;pwned\007b\177\n' > "$dir/project/save.ini"
printf 'x' > "$dir/project/bad$(printf '\377')name.png"
export FULGRANE3D_HOME="$dir/home"
fail() { echo "$1"; exit 1; }

text="$("$cli" info "$dir/project")" || fail "info failed"
printf '%s\n' "$text"
printf '%s' "$text" | grep -qF -- '- [1] a\x1b]0;pwned\x07b\x7f  shape' || fail "node name not escaped"
printf '%s' "$text" | grep -qF -- '  0  bad\xffname  image  bad\xffname.png' || fail "file name not escaped"
printf '%s' "$text" | LC_ALL=C grep -q "$(printf '[\001-\011\013-\037\177\377]')" && fail "raw control or invalid bytes in the text"

json="$("$cli" info "$dir/project" --json)" || fail "info --json failed"
printf '%s\n' "$json"
printf '%s' "$json" | grep -qF -- '"name":"a\u001b]0;pwned\u0007b\u007f"' || fail "node name not escaped in JSON"
printf '%s' "$json" | grep -qF -- "\"name\":\"bad$(printf '\357\277\275')name\",\"file\":\"bad$(printf '\357\277\275')name.png\"" \
  || fail "invalid UTF-8 not replaced in JSON"
printf '%s' "$json" | LC_ALL=C grep -q "$(printf '[\001-\037\177\377]')" && fail "raw control or invalid bytes in the JSON"
echo "escaped"
