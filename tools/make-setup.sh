#!/usr/bin/env bash
# Builds the program and its setup program: build/Ornamo-<version>-setup.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORNAMO_BUILD_DIR:-$root/build}
"$root/tools/build.sh"
if ! command -v makensis >/dev/null 2>&1; then
  echo "makensis not found (Debian package nsis): no setup program built" >&2
  exit 1
fi
# The setup is part of every build; naming the target makes a missing one an error.
cmake --build "$build" --target setup
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "Setup program: $build/Ornamo-$version-setup.exe"
