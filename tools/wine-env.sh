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
}
# Wine draws the caption buttons with the Marlett symbol font; pictures of windows need it in
# the prefix (fonts-wine has it).
ornamo_caption_font() {
  local font=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$font" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && cp "$font" "$fonts/"
  return 0
}
