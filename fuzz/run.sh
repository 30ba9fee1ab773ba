#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time
# (default 600 s each) on a copy of its seed corpus:
#   fuzz_project_open     on fuzz/corpus (projects and save.ini texts)
#   fuzz_model_and_sheet  on fuzz/corpus-model-sheet (OBJ files and export settings)
#   fuzz/run.sh [SECONDS] [BUILD_DIR]
#   fuzz/run.sh corpus [BUILD_DIR]    runs every seed file once instead
# FUZZ_TARGETS picks the targets (default: both, separated by spaces).
# Crashes are written to BUILD_DIR/artifacts/<target>/; a crash makes the
# script fail (the remaining targets are not run).
# FUZZ_MAX_LEN bounds the input size (default 65536; smaller runs faster).
set -euo pipefail

seconds="${1:-600}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${2:-${TMPDIR:-/tmp}/fulgrane3d-fuzz}"
targets="${FUZZ_TARGETS:-fuzz_project_open fuzz_model_and_sheet}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

seeds_of() {
  case "$1" in
    fuzz_project_open) echo "$here/corpus" ;;
    fuzz_model_and_sheet) echo "$here/corpus-model-sheet" ;;
    *) echo "unknown fuzz target: $1" >&2; exit 2 ;;
  esac
}

for target in $targets; do
  seeds="$(seeds_of "$target")"
  if [ "$seconds" = corpus ]; then
    "$build/$target" -runs=0 "$seeds"/*
    continue
  fi
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$work" "$artifacts"
  cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "== $target: ${seconds} s" >&2
  "$build/$target" "$work" \
    -max_total_time="$seconds" -max_len="${FUZZ_MAX_LEN:-65536}" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" -print_final_stats=1
done
