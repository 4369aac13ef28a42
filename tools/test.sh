#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a private Xvfb display.
# Nothing started here outlives the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
"$root/tools/build.sh"

xvfb_pid=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

# A free display number: one whose lock file does not exist.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
export DISPLAY=":$display"

. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix-test
# No window manager here: unmanaged windows hide at once instead of after a 2 s wait.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A persistent server makes each test process start in milliseconds.
(wineserver -p </dev/null >/dev/null 2>&1 &)

ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
