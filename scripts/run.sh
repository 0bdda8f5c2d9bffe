#!/usr/bin/env bash
# Starts Tavelle from the source tree: first makes sure a display is there to show it on, then installs
# what is missing of the application's own packages, builds the application and its print module alone
# in build/ (no tests, no benchmarks, no tools), and starts it. scripts/test.sh builds everything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# An X display is a socket: ":N" is /tmp/.X11-unix/XN. A display on another host cannot be checked here.
display_socket_missing() {
  local number=${DISPLAY#*:}
  number=${number%%.*}
  [[ $DISPLAY == :* || $DISPLAY == unix:* ]] && [ ! -S "/tmp/.X11-unix/X$number" ]
}

if [ -z "${WAYLAND_DISPLAY:-}" ]; then
  if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set): run it in a desktop session, or under a virtual X server: xvfb-run -a scripts/run.sh" >&2
    exit 1
  fi
  if display_socket_missing; then
    echo "run.sh: no X server listens on the display $DISPLAY: run it in a desktop session, or under a virtual X server: xvfb-run -a scripts/run.sh" >&2
    exit 1
  fi
fi

"$root/scripts/install-deps.sh" --app
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DTAVELLE_BUILD_TESTS=OFF -DTAVELLE_BUILD_BENCH=OFF
cmake --build "$root/build" -j2 --target tavelle
exec "$root/build/shell/tavelle"
