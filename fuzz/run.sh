#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs the project-open fuzzer for a
# bounded time (default 600 s) on a copy of the seed corpus.
#   fuzz/run.sh [SECONDS] [BUILD_DIR]
#   fuzz/run.sh corpus [BUILD_DIR]    runs every seed file once instead
# Crashes are written to BUILD_DIR/artifacts; a crash makes the script fail.
# FUZZ_MAX_LEN bounds the input size (default 65536; smaller runs faster).
set -euo pipefail

seconds="${1:-600}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${2:-${TMPDIR:-/tmp}/fulgrane3d-fuzz}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

if [ "$seconds" = corpus ]; then
  exec "$build/fuzz_project_open" -runs=0 "$here"/corpus/*
fi

work="$build/corpus"
mkdir -p "$work" "$build/artifacts"
cp -n "$here"/corpus/* "$work"/ 2>/dev/null || true

"$build/fuzz_project_open" "$work" \
  -max_total_time="$seconds" -max_len="${FUZZ_MAX_LEN:-65536}" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1
