# Sourced by the tests that need a real X server. start_xvfb WORK_DIR starts a private Xvfb, exports its
# DISPLAY and leaves its process id in $xvfb; the caller kills it.
start_xvfb() {
  local work=$1 tool
  for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: install the packages xvfb and xdotool"; exit 1; }
  done
  # Two X servers starting at the same moment can both take display :0; another build's check may be
  # starting one too.
  exec 9>"${TMPDIR:-/tmp}/brivano-xvfb.lock"
  flock 9
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 9>&- 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  flock -u 9
  [ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
}
