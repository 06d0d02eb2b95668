#!/usr/bin/env bash
# Regenerates the expected output (NAME.out) of every program in tests/compat with Free Pascal
# (fpc -Mobjfpc); programs whose NAME.out.why explains a difference of ours keep their output.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir="$here/tests/compat"
if ! command -v fpc >/dev/null; then
  echo "compat: fpc is not installed; expected outputs left as they are" >&2
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for source in "$dir"/*.pas; do
  name=$(basename "$source" .pas)
  [ -e "$dir/$name.why" ] && continue
  cp "$source" "$work/"
  if ! (cd "$work" && fpc -Mobjfpc "$name.pas" >"$work/$name.log" 2>&1); then
    echo "compat: fpc cannot compile $name.pas" >&2
    tail -3 "$work/$name.log" >&2
    exit 1
  fi
  (cd "$work" && "./$name" </dev/null >"$dir/$name.out" 2>&1) || true
done
echo "compat: expected outputs written"
