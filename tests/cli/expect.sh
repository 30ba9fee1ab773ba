#!/usr/bin/env bash
# expect.sh EXIT PATTERN COMMAND...: runs COMMAND and passes when it exits
# with EXIT and its output (stdout and stderr together) matches PATTERN.
expected_exit="$1"; pattern="$2"; shift 2
output="$("$@" 2>&1)"; status=$?
printf '%s\n' "$output"
if [ "$status" -ne "$expected_exit" ]; then echo "exit $status, expected $expected_exit"; exit 1; fi
if ! printf '%s\n' "$output" | grep -Eq -- "$pattern"; then echo "output does not match: $pattern"; exit 1; fi
