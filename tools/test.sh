#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a private Xvfb display.
# Nothing started here outlives the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
"$root/tools/build.sh"

. "$root/tools/xvfb-env.sh"
ornamo_start_xvfb 1280x1024x24
. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix-test
ornamo_unmanaged_windows
# A persistent server makes each test process start in milliseconds.
(wineserver -p </dev/null >/dev/null 2>&1 &)

ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
