#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S . -B fuzz-build -G Ninja -DVL_FUZZ=ON >/dev/null
cmake --build fuzz-build -j 2 --target vl_fuzz_targets
for target in fuzz-build/fuzz/*; do
  [ -x "$target" ] || continue
  corpus="fuzz-build/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  echo "fuzzing $(basename "$target") for ${seconds}s"
  "$target" -max_total_time="$seconds" -timeout=10 "$corpus"
done
