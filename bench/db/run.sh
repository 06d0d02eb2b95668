#!/usr/bin/env bash
# Prints the TQuery scan figure and Python's sqlite3 doing the same on the same file.
set -uo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
program="$build_dir/bench/vl_bench_db"
if [ ! -x "$program" ]; then
  echo "bench db: $program not built" >&2
  exit 0
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 "$here/scan100k.py" create "$dir/scan.db"
read -r ours_sum ours_ms <<<"$(QT_QPA_PLATFORM=offscreen "$program" "$dir/scan.db" 2>/dev/null)"
read -r python_sum python_ms <<<"$(python3 "$here/scan100k.py" "$dir/scan.db")"
echo "bench db.scan100k: ${ours_ms:-failed} ms"
echo "bench python.db_scan100k: ${python_ms:-failed} ms"
if [ "${ours_sum:-}" != "${python_sum:-}" ]; then
  echo "bench db.scan100k: sum ${ours_sum:-none} differs from python's ${python_sum:-none}" >&2
fi
exit 0
