#!/usr/bin/env bash
# Refreshes the pictures of the help file (help/images/) from the real program under Xvfb:
# the main window's pages and menus with the sample leaderboard open (tools/screenshot.sh) and
# every dialog (tools/shoot-dialogs.sh), cut out and saved as palette PNGs.
# Usage: tools/shoot-help.sh        (then rebuild: the help file takes the new pictures)
# Nothing started here outlives the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
images="$root/help/images"
work="$build/shots/help"
rm -rf "$work"
mkdir -p "$work" "$images"
cmake --build "$build" --target ornamo Pictra sample_templates dialog_gallery >/dev/null

# The main window at 1200 x 720: wide enough for every control at its place.
for page in edit preview code file-menu edit-menu; do
  ORNAMO_SHOT_OPEN='Samples\leaderboard.atp' "$root/tools/screenshot.sh" "$work/main-$page.png" 1200 720 "$page" >/dev/null
done
"$root/tools/shoot-dialogs.sh" shell "$work/shell.png" >/dev/null
"$root/tools/shoot-dialogs.sh" props "$work/props.png" >/dev/null

# Window pictures have few colours: a palette of 256 keeps them exact or nearly so, at a
# fraction of the size. No time stamps, so unchanged pictures stay unchanged files.
save() {
  local from=$1 to=$2
  shift 2
  convert "$work/$from" "$@" +repage +dither -colors 256 -strip \
    -define png:exclude-chunks=date,time PNG8:"$images/$to"
  echo "help/images/$to"
}
save main-edit.png main-window.png
save main-preview.png preview-page.png
save main-code.png code-page.png
save main-file-menu.png file-menu.png -crop 430x300+0+0
save main-edit-menu.png edit-menu.png -crop 430x300+0+0
# The editing canvas with its rulers and the sample with its tagline selected.
save main-edit.png edit-canvas.png -crop 830x225+24+196
for set in shell props; do
  while read -r name left top right bottom; do
    save "$set.png" "dialog-$name.png" -crop "$((right - left))x$((bottom - top))+$left+$top"
  done <"$work/$set.txt"
done
