#!/usr/bin/env bash
# Photographs the options dialog, the start-up wizard and the about box under Xvfb.
# Usage: tools/shoot-dialogs.sh [picture.png]   (default: build/shots/dialogs.png)
# Nothing started here outlives the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
shot=${1:-$build/shots/dialogs.png}
mkdir -p "$(dirname "$shot")"
cmake --build "$build" --target dialog_gallery

. "$root/tools/xvfb-env.sh"
ornamo_start_xvfb 1024x600x24
. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix-shots
ornamo_unmanaged_windows

# The gallery shows the dialogs for 6 seconds; the picture is taken once they have painted.
wine "$build/tests/bin/dialog_gallery.exe" 6 </dev/null >/dev/null 2>&1 &
gallery=$!
sleep 4
import -window root "$shot"
wait "$gallery" || true
echo "$shot"
