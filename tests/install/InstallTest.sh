#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as `make install` does, checks the layout, makes the
# installed tree read-only, starts the program from its desktop entry offscreen with a fresh home
# and ends it as the end of a session does (SIGTERM), then once more on a real X server to read its
# window title and quit it as a user does (Esc, then OK). It must write only into the user's folders.
# Usage: InstallTest.sh BUILD_DIR CMAKE
set -uo pipefail
build=$1
cmake=$2
work=$(mktemp -d)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill -9 "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -f "$1" ] || fail "missing $1"; }

prefix=/opt/veltrano-test
root=$work/root$prefix
program=$root/lib/veltrano/bin
DESTDIR=$work/root "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAIL: the install itself"; exit 1; }

# 1. The layout.
for f in veltrano veltrano-run formconv libquillon.so Data/FormProc.vlf Data/ObjectProc.vlf Installed.txt; do
  expect_file "$program/$f"
done
[ -d "$program/Plugins" ] || fail "no Plugins folder"
[ -d "$root/lib/veltrano/examples/VeZiv/DuDizuzededur" ] || fail "no samples folder one level above the program folder"
for link in veltrano veltrano-run; do
  [ "$(readlink -f "$root/bin/$link")" = "$(readlink -f "$program/$link")" ] || fail "bin/$link does not lead to the program"
done
desktop=$root/share/applications/veltrano.desktop
expect_file "$desktop"
for line in 'Type=Application' 'Name=Veltrano' 'Name\[ru\]=' 'GenericName=' 'GenericName\[ru\]=' 'Icon=veltrano' \
            "Exec=$prefix/bin/veltrano\$"; do
  grep -q "^$line" "$desktop" || fail "the desktop entry lacks $line"
done
for type in text/x-pascal text/x-delphi-project text/x-delphi-package text/x-delphi-form application/x-veltrano-form; do
  grep -q "^MimeType=.*$type;" "$desktop" || fail "the desktop entry does not open $type"
  grep -q "type=\"$type\"" "$root/share/mime/packages/veltrano.xml" || fail "no MIME type $type"
done
for glob in pas dpr dpk dfm vlf; do
  grep -q "pattern=\"\\*\\.$glob\"" "$root/share/mime/packages/veltrano.xml" || fail "no MIME type for .$glob"
done
expect_file "$root/share/icons/hicolor/scalable/apps/veltrano.svg"
expect_file "$root/share/icons/hicolor/48x48/apps/veltrano.png"

# 2. Read-only, as an installed program is; remember what is there.
chmod -R a-w "$work/root"
snapshot() { (cd "$work/root" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$work/before"

# The desktop entry's command, inside DESTDIR.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
launcher=$work/root${exec_line%% *}
home=$work/home
mkdir -p "$home" "$work/cwd" "$work/run"
chmod 700 "$work/run"
run_env=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8)

# 3. Offscreen: it comes up, and SIGTERM ends it like "Выход" with OK.
(cd "$work/cwd" && exec "${run_env[@]}" QT_QPA_PLATFORM=offscreen "$launcher" >"$work/offscreen.out" 2>&1) &
app=$!
sleep 3
kill -0 "$app" 2>/dev/null || fail "the program did not stay up offscreen: $(cat "$work/offscreen.out")"
kill -TERM "$app"
for _ in $(seq 1 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then fail "SIGTERM did not end the program"; fi
wait "$app"; status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with $status offscreen: $(cat "$work/offscreen.out")"

# 4. What it wrote: only the user's folders.
config=$home/.config/Veltrano
data=$home/.local/share/Veltrano
expect_file "$config/VlInterpreterTest.ini"
expect_file "$data/BackUp/Project.dpr"
expect_file "$data/Data/Last.log"
expect_file "$data/Data/FormProc.vlf"
expect_file "$data/Data/ObjectProc.vlf"
log=$(iconv -f cp1251 -t utf-8 "$data/Data/Last.log" 2>/dev/null || cat "$data/Data/Last.log")
[ "$(printf '%s' "$log" | grep -c "$config")" -eq 1 ] || fail "the log does not say once where the files went: $log"
snapshot >"$work/after"
diff -u "$work/before" "$work/after" >"$work/diff" || fail "the installed tree changed: $(cat "$work/diff")"
[ -z "$(ls -A "$work/cwd")" ] || fail "files appeared in the current folder: $(ls -A "$work/cwd")"
stray=$(cd "$home" && find . -type f | grep -v -e '^./.config/Veltrano/' -e '^./.local/share/Veltrano/' -e '^./.cache/')
[ -z "$stray" ] || fail "files outside the user's Veltrano folders: $stray"
grep -qi "error\|Cannot" "$work/offscreen.out" && fail "messages on the way out: $(cat "$work/offscreen.out")"

# 5. On an X server: the exact window title, and the way a user quits.
exec 3>"$work/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -1 "$work/display")
(cd "$work/cwd" && exec "${run_env[@]}" DISPLAY="$display" "$launcher" >"$work/x.out" 2>&1) &
app=$!
window=
for _ in $(seq 1 60); do
  window=$(DISPLAY=$display xdotool search --name '^Veltrano - ' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.25
done
if [ -z "$window" ]; then
  fail "no window on the X server: $(cat "$work/x.out")"
else
  title=$(DISPLAY=$display xdotool getwindowname "$window")
  [ "$title" = "Veltrano - Project1" ] || fail "the window title is \"$title\""
  sleep 1
  # No window manager: a click gives the focus.
  DISPLAY=$display xdotool mousemove --window "$window" 300 150 click 1
  sleep 0.3
  DISPLAY=$display xdotool key Escape
  sleep 1
  DISPLAY=$display xdotool key Return
  for _ in $(seq 1 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then fail "Esc and OK did not end the program"; fi
fi
wait "$app"; status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with $status on the X server"
snapshot >"$work/after"
diff -u "$work/before" "$work/after" >"$work/diff" || fail "the installed tree changed: $(cat "$work/diff")"

[ "$failures" -eq 0 ] && echo "the installed program runs and writes only into the user's folders"
exit $((failures > 0))
