#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# fonts-wine gives Wine the symbol font of the caption buttons; fp-utils compiles the help
# file; nsis builds the setup program.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine64
  xvfb xauth xdotool imagemagick
  fonts-liberation fonts-dejavu-core
  googletest
  chromium python3
  fonts-wine
  fp-utils-3.2.2 nsis
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
