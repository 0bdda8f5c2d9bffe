# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need a private X server. Xvfb takes the first free display number itself
# and writes it once it accepts connections, so servers started side by side never race for a number
# (xvfb-run -a can). Sets xvfb_pid and exports DISPLAY; returns 1, with Xvfb's own words on standard
# error, when the server has not started within 30 s.
#   start_private_xvfb FOLDER [SCREEN]        (SCREEN: WIDTHxHEIGHTxDEPTH, default 1280x1024x24)
start_private_xvfb() {
  local folder=$1 screen=${2:-1280x1024x24}
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 600); do
    [ -s "$folder/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$folder/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$folder/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$folder/display")"
}
