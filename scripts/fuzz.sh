#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a short while, seeded from the
# project's own files. Every target runs even when another one fails; a summary lists the
# executions and failures of each, and the exit status is non-zero when any target failed.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
build=${FUZZ_BUILD_DIR:-fuzz-build}
only=${FUZZ_TARGETS:-}  # blank: every target; else the targets' names, separated by spaces

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DVL_FUZZ=ON >/dev/null || exit 1
if [ -n "$only" ]; then
  cmake --build "$build" -j 2 --target $only || exit 1
else
  cmake --build "$build" -j 2 --target vl_fuzz_targets || exit 1
fi

# The project files each target starts from.
seed_patterns() {
  case "$1" in
    *rtf*) echo '*.rtf' ;;
    *form_text* | *widget_form*) echo '*.dfm *.txt' ;;
    *form_binary*) echo '*.dfm *.bin' ;;
    *interpreter*) echo '*.pas *.dpr' ;;
    *ini*) echo '*.ini' ;;
    *event_list*) echo '*.vlf' ;;
    *highlighter*) echo '*.pas *.dpr *.dfm *.ini *.xml' ;;
  esac
}

# Undefined behaviour ends a run like a crash; the font and GUI libraries' caches are no leaks.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp

summary=()
failed=0
for target in "$build"/fuzz/*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  if [ -n "$only" ] && [[ " $only " != *" $name "* ]]; then
    continue
  fi
  corpus="$build/corpus/$name"
  seeds="$build/seeds/$name"
  mkdir -p "$corpus" "$seeds"
  for pattern in $(seed_patterns "$name"); do
    find tests/data data -type f -name "$pattern" -size -64k -exec cp -t "$seeds" {} + 2>/dev/null
  done
  log="$build/logs/$name.log"
  mkdir -p "$(dirname "$log")"
  echo "fuzzing $name for ${seconds}s ($(ls "$seeds" | wc -l) seeds)"
  (cd "$build/logs" && "$OLDPWD/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
     "$OLDPWD/$corpus" "$OLDPWD/$seeds") >"$log" 2>&1
  status=$?
  runs=$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' | tail -1)
  if [ $status -ne 0 ]; then
    failed=1
    summary+=("$name: ${runs:-?} executions, FAILED (exit $status, see $log)")
    grep -m 3 -E 'ERROR:|SUMMARY:|deadly signal|Test unit written' "$log" | sed 's/^/    /'
  else
    summary+=("$name: ${runs:-?} executions, no failure")
  fi
done

echo "fuzz summary:"
printf '  %s\n' "${summary[@]}"
exit $failed
