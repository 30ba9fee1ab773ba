#!/usr/bin/env bash
# expect_full.sh EXIT PATTERN COMMAND...: runs COMMAND with its standard
# output on a full device and passes when it exits with EXIT and its stderr
# matches PATTERN.
expected_exit="$1"; pattern="$2"; shift 2
errors="$("$@" 2>&1 >/dev/full)"; status=$?
printf '%s\n' "$errors"
if [ "$status" -ne "$expected_exit" ]; then echo "exit $status, expected $expected_exit"; exit 1; fi
if ! printf '%s\n' "$errors" | grep -Eq -- "$pattern"; then echo "stderr does not match: $pattern"; exit 1; fi
