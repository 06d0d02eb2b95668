#!/usr/bin/env bash
# Runs the loop, calls and strings benchmarks through the main window, offscreen (see
# GuiRunBench.cpp for what each figure measures).
set -uo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
bench="$build_dir/bench/vl_bench_gui"
if [ ! -x "$bench" ]; then
  echo "bench gui: $bench not built" >&2
  exit 0
fi
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} "$bench" "$here/../interp/loop.pas" "$here/../interp/calls.pas" \
  "$here/../interp/strings.pas"
exit 0
