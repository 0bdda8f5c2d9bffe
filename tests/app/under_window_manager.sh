#!/usr/bin/env bash
# Runs a command on a private Xvfb display managed by IceWM, then stops both. IceWM has a task bar
# and honours the hints Qt and the application give: the window type and states (EWMH) and the
# functions a window allows (Motif), and tells in _NET_WM_ALLOWED_ACTIONS what it offers. Usage: under_window_manager.sh COMMAND [ARGUMENT...]
# The screen is 1600×1200, or TAVELLE_WM_SCREEN (WIDTHxHEIGHT).
set -euo pipefail

for tool in Xvfb icewm xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "under_window_manager: $tool is missing; scripts/install-deps.sh installs it" >&2
    exit 1
  fi
done

workdir=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT

# shellcheck source=../support/private_xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../support/private_xvfb.sh"
start_private_xvfb "$workdir" "${TAVELLE_WM_SCREEN:-1600x1200}x24" || exit 1

# The stock configuration, not the user's.
HOME="$workdir" icewm 2>"$workdir/icewm.log" &
wm_pid=$!
# Up to 30 s: on a loaded machine, with the other tests running beside it, IceWM has taken over 10 s.
for _ in $(seq 600); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "under_window_manager: icewm did not take the display:" >&2
  cat "$workdir/icewm.log" >&2
  exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
