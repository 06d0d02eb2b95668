#!/usr/bin/env bash
# Prints the designer benchmark figures for the build folder given.
set -uo pipefail
build_dir=${1:-build}
program="$build_dir/bench/vl_bench_designer"
if [ ! -x "$program" ]; then
  echo "bench designer: $program not built" >&2
  exit 0
fi
QT_QPA_PLATFORM=offscreen "$program" 2>/dev/null
exit 0
