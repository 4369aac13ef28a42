#!/usr/bin/env bash
# Takes a screenshot of the main window as a user first sees it, on a private Xvfb display.
# Usage: tools/screenshot.sh <output.png> [width height [page]]
#   page: edit (the default), preview or code, picked through the View menu's mnemonics;
#         file-menu: the edit page with the File menu open; edit-menu: the Edit menu open
#         after a click on the canvas and one arrow-key step of the current object.
# With ORNAMO_SHOT_OPEN set to a template's path in the program folder (such as
# 'Samples\leaderboard.atp'), the program starts with that template, as after a double-click.
# The program runs from C:\Ornamo in the Wine prefix, with the built program folder's samples,
# so its title bar shows the path a user would see. Builds the program first; nothing started
# here outlives the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
out=${1:?usage: tools/screenshot.sh <output.png> [width height [page]]}
width=${2:-1280}
height=${3:-800}
page=${4:-edit}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac

cmake --build "$build" --target ornamo Pictra sample_templates >/dev/null

xvfb_pid=
program_pid=
program=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" >/dev/null 2>&1 || true
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  [ -n "$program" ] && rm -rf "$program"
}
trap cleanup EXIT

display=120
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${width}x${height}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
export DISPLAY=":$display"

. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix-shot
# Wine draws the frame and title bar itself when it manages no window manager's windows.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
(wineserver -p </dev/null >/dev/null 2>&1 &)

# A fresh program folder each time: no wizard, no settings from an earlier run.
program="$WINEPREFIX/drive_c/Ornamo"
rm -rf "$program"
mkdir -p "$program"
cp "$build/program/ornamo.exe" "$build/program/Pictra.dll" "$program/"
cp -r "$build/program/Samples" "$program/"
printf '[Common]\r\nStartup=0\r\n' >"$program/ornamo.ini"

open=()
[ -n "${ORNAMO_SHOT_OPEN:-}" ] && open=("C:\\Ornamo\\$ORNAMO_SHOT_OPEN")
wine "$program/ornamo.exe" "${open[@]}" </dev/null >/dev/null 2>&1 &
program_pid=$!
# Wait for the window itself (a busy machine may take long to start Wine), then give the
# first template, which appears about 400 ms after the window, time to paint: keys sent
# before the window has settled are lost.
timeout 60 xdotool search --sync --name '^Ornamo - ' >/dev/null 2>&1 || true
sleep "${ORNAMO_SHOT_DELAY:-3}"
case "$page" in
  preview) xdotool key --delay 200 alt+v p; sleep 1 ;;
  code) xdotool key --delay 200 alt+v g; sleep 1 ;;
  file-menu) xdotool key --delay 200 alt+f; sleep 1 ;;
  edit-menu)
    # Low in the middle of the screen lies empty canvas: the click only gives it the focus.
    xdotool mousemove $((width / 2)) $((height - 100)) click 1
    sleep 0.5
    xdotool key --delay 200 Right alt+e
    sleep 1
    ;;
esac
import -window root "$out"
echo "screenshot: $out"
