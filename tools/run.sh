#!/usr/bin/env bash
# Builds Ornamo and starts it under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
"$root/tools/build.sh"
. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: starting Ornamo on a virtual screen (xvfb-run); it will not be visible." >&2
  exec xvfb-run -a wine "$build/program/ornamo.exe"
fi
exec wine "$build/program/ornamo.exe"
