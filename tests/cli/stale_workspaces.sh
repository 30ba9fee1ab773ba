#!/usr/bin/env bash
# stale_workspaces.sh HOME CLI ARGS...: a workspace left by a killed run is
# gone after any command starts, one whose owner still holds its lock stays.
home="$1"; shift
root="$home/workspace"
rm -rf "$home"; mkdir -p "$root/111" "$root/222"
echo x > "$root/111/fire.png"
: > "$root/111/__instance__.lock"
exec 9> "$root/222/__instance__.lock"
flock -n 9 || { echo "cannot hold the lock"; exit 1; }
FULGRANE3D_HOME="$home" "$@" > /dev/null 2>&1
status=$?
exec 9>&-
if [ -e "$root/111" ]; then echo "the stale workspace is still there (exit $status)"; exit 1; fi
if [ ! -e "$root/222/__instance__.lock" ]; then echo "a held workspace was removed"; exit 1; fi
echo "exit $status, stale workspace cleared"
