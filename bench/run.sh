#!/usr/bin/env bash
# Runs every benchmark script in bench/*/run.sh and prints their `bench <group>.<name>: N unit` lines.
set -euo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
for script in "$here"/*/run.sh; do
  [ -x "$script" ] && "$script" "$(cd "$build_dir" && pwd)"
done
exit 0
