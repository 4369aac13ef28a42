#!/usr/bin/env bash
# Photographs a set of dialogs under Xvfb.
# Usage: tools/shoot-dialogs.sh [shell|props] [picture.png]
#   shell: the options dialog, the start-up wizard and the about box (the default);
#   props: the seven property dialogs.
#   picture: build/shots/<set>-dialogs.png unless given. Beside it, picture.txt tells where
#   each dialog is ("<name> <left> <top> <right> <bottom>" a line), to cut one out.
# The gallery runs from C:\Ornamo in the Wine prefix, so paths in the dialogs read as a
# user's would. Nothing started here outlives the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
set=${1:-shell}
case "$set" in
  shell) screen=1024x600x24 ;;
  props) screen=1600x1000x24 ;;
  *) echo "usage: tools/shoot-dialogs.sh [shell|props] [picture.png]" >&2; exit 2 ;;
esac
shot=${2:-$build/shots/$set-dialogs.png}
mkdir -p "$(dirname "$shot")"
cmake --build "$build" --target dialog_gallery

. "$root/tools/xvfb-env.sh"
ornamo_start_xvfb "$screen"
. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix-shots
ornamo_unmanaged_windows
program="$WINEPREFIX/drive_c/Ornamo"
rm -rf "$program"
mkdir -p "$program"
cp "$build/tests/bin/dialog_gallery.exe" "$program/"

# The gallery shows the dialogs for 6 seconds; the picture is taken once they have painted.
wine "$program/dialog_gallery.exe" 6 "$set" </dev/null 2>/dev/null | tr -d '\r' >"${shot%.png}.txt" &
gallery=$!
sleep 4
import -window root "$shot"
wait "$gallery" || true
rm -rf "$program"
echo "$shot"
