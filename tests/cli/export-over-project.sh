#!/usr/bin/env bash
# export-over-project.sh CLI PROJECT DIR: an export whose output is the
# project it reads, however the two are named, is refused with exit 1 and
# leaves the project as it was; an output beside it is written.
cli="$1"; source="$2"; dir="$3"
message="書き出し先のファイルは開いているプロジェクトのファイルです。別のファイル名を指定してください。"
rm -rf "$dir" && mkdir -p "$dir/sub" || exit 1
cp "$source" "$dir/x.nbx" && cp "$source" "$dir/shot00001.nbx" || exit 1
ln -s x.nbx "$dir/link.png" && ln "$dir/x.nbx" "$dir/hard.png" || exit 1
# A project folder: its settings file and its materials are read too.
mkdir -p "$dir/folder" && printf '[0]\r\ng.project.frame=60\r\ng.write.start=1\r\ng.write.end=3\r\ng.write.step=1\r\n' >"$dir/folder/save.ini"
printf 'a texture' >"$dir/folder/spark.png"
cp -r "$dir/folder" "$dir/folder.orig"
failed=0

# refused PROJECT OUTPUT [ARGS...]: run from $dir/sub; OUTPUT must be named in the message.
refused() {
    local project="$1" output="$2"; shift 2
    local text status
    text="$(cd "$dir/sub" && "$cli" export "$project" -o "$output" --end 3 "$@" 2>&1)"; status=$?
    if [ "$status" -ne 1 ] || ! printf '%s\n' "$text" | grep -qxF -- "$message"; then
        printf 'not refused: export %s -o %s %s (exit %d)\n%s\n' "$project" "$output" "$*" "$status" "$text"
        failed=1
    fi
}

refused ../x.nbx ../x.nbx
refused ../x.nbx "$dir/x.nbx"
refused "$dir/x.nbx" ./../x.nbx
refused ../x.nbx "../../$(basename "$dir")/x.nbx"
refused ../x.nbx ../link.png
refused ../link.png ../x.nbx
refused ../x.nbx ../hard.png
# Separate files: the second numbered name is the project.
refused ../shot00001.nbx ../shot.nbx --separate
refused ../folder ../folder/save.ini
refused ../folder/save.ini ../folder/./spark.png

for project in x.nbx shot00001.nbx; do
    if ! cmp -s "$source" "$dir/$project"; then echo "$project was changed"; failed=1; fi
done
if ! diff -r "$dir/folder.orig" "$dir/folder" >/dev/null; then echo "the project folder was changed"; failed=1; fi
if [ -e "$dir/shot00000.nbx" ]; then echo "shot00000.nbx was written before the refusal"; failed=1; fi

# Another file in the same folder is fine.
if ! (cd "$dir/sub" && "$cli" export ../x.nbx -o ../x.png --end 3 >/dev/null 2>&1) || [ ! -s "$dir/x.png" ]; then
    echo "an export beside the project failed"; failed=1
fi
exit "$failed"
