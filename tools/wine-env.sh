# Sourced by the run and test scripts: a Wine prefix of the project's own, never ~/.wine.
# Usage: . tools/wine-env.sh <build dir> <prefix name>
ornamo_wine_env() {
  local build=$1 name=$2
  export WINEPREFIX="$build/$name"
  export WINEDEBUG=-all
  export WINEARCH=win64
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating Wine prefix $WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Wine draws the caption buttons with the Marlett symbol font; Debian's fonts-wine has it,
  # but this Wine build does not look in that folder.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
}
