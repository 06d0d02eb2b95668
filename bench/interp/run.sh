#!/usr/bin/env bash
# Times the six interpreter benchmarks with veltrano-run and the same programs with python3
# (whole process, best of three) and prints the ratio of their geometric means.
set -uo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
runner="$build_dir/bin/veltrano-run"
names="loop fib strings sort calls collatz"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# best_of_three CMD...: prints "<best ms> <last output line>" of three runs of CMD.
best_of_three() {
  local best="" out="" start elapsed
  for _ in 1 2 3; do
    start=$(now_ms)
    out=$("$@" 2>/dev/null | tail -n 1) || { echo "failed"; return; }
    elapsed=$(( $(now_ms) - start ))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  echo "$best $out"
}

if [ -x "$build_dir/bench/vl_bench_bindings" ]; then
  "$build_dir/bench/vl_bench_bindings"
fi
if [ ! -x "$runner" ]; then
  echo "bench interp: $runner not built" >&2
  exit 0
fi

log_sum=0
count=0
for name in $names; do
  read -r interp_ms interp_out <<<"$(best_of_three "$runner" "$here/$name.pas")"
  read -r python_ms python_out <<<"$(best_of_three python3 "$here/$name.py")"
  if [ "$interp_ms" = failed ] || [ "$python_ms" = failed ]; then
    echo "bench interp.$name: failed" >&2
    continue
  fi
  echo "bench interp.$name: $interp_ms ms"
  echo "bench python.$name: $python_ms ms"
  if [ "$interp_out" != "$python_out" ]; then
    echo "bench interp.$name: checksum $interp_out differs from python's $python_out" >&2
  fi
  log_sum=$(awk -v s="$log_sum" -v a="$interp_ms" -v b="$python_ms" \
    'BEGIN { if (a < 1) a = 1; if (b < 1) b = 1; printf "%.9f", s + log(a / b) }')
  count=$((count + 1))
done
if [ "$count" -gt 0 ]; then
  awk -v s="$log_sum" -v n="$count" 'BEGIN { printf "bench interp.geomean_ratio: %.2f x\n", exp(s / n) }'
fi
exit 0
