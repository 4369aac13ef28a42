#!/usr/bin/env bash
# Configures and cross-builds everything into build/ (program folder: build/program).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
build=${ORNAMO_BUILD_DIR:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j"$(nproc)"
