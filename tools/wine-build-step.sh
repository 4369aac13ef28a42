#!/usr/bin/env bash
# Runs a Windows program of the build under Wine as one build step, and fails the step with
# the program's exit code.
# Usage: tools/wine-build-step.sh <build dir> <program.exe> [arguments...]
# Arguments that are absolute Unix paths reach the program as Windows paths (Z:\...).
#
# The build has a Wine prefix of its own (wineprefix-build), apart from the test prefix: the
# tests run on an Xvfb display with a persistent server, while build steps run headless, and
# one prefix must never see both. The step ends only once this prefix's server has exited,
# so no Wine process of the build outlives it or holds the build's output pipe open.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: wine-build-step.sh <build dir> <program.exe> [arguments...]}
program=${2:?usage: wine-build-step.sh <build dir> <program.exe> [arguments...]}
shift 2

# Headless: GDI, GDI+ and files work without a display, windows do not.
unset DISPLAY WAYLAND_DISPLAY
. "$root/tools/wine-env.sh"
ornamo_wine_env "$build" wineprefix-build
# Look-alikes of the Windows fonts, taken into the prefix whenever the list changes.
fonts="$root/tools/wine-build-fonts.reg"
if ! cmp -s "$fonts" "$WINEPREFIX/wine-build-fonts.reg"; then
  wine regedit /S "Z:${fonts//\//\\}" </dev/null
  cp "$fonts" "$WINEPREFIX/wine-build-fonts.reg"
fi

args=()
for arg in "$@"; do
  case "$arg" in
    /*) arg="Z:${arg//\//\\}" ;;
  esac
  args+=("$arg")
done

# A program that hangs fails the build instead of stalling it.
status=0
timeout 600 wine "$program" "${args[@]}" </dev/null || status=$?
[ "$status" -eq 124 ] && { wineserver -k >/dev/null 2>&1 || true; }
wineserver -w
if [ "$status" -ne 0 ]; then
  echo "wine-build-step.sh: $(basename "$program") failed with exit code $status" >&2
fi
exit "$status"
