# Sourced by the test and picture scripts: a private Xvfb display and a Wine server for the
# run, both ended when the script exits.
# Usage: . tools/xvfb-env.sh; ornamo_start_xvfb <width>x<height>x<depth>
ornamo_xvfb_pid=
ornamo_stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$ornamo_xvfb_pid" ] && kill "$ornamo_xvfb_pid" >/dev/null 2>&1 || true
}
ornamo_start_xvfb() {
  trap ornamo_stop_xvfb EXIT
  # A free display number: one whose lock file does not exist.
  local display=90
  while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "$1" -nolisten tcp </dev/null >/dev/null 2>&1 &
  ornamo_xvfb_pid=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
  export DISPLAY=":$display"
}
# No window manager here: unmanaged windows hide at once instead of after a 2 s wait, and
# Wine draws their frames itself.
ornamo_unmanaged_windows() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
