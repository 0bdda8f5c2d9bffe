#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a desktop session with a screen reader would: on a private Xvfb display, with a
# private session bus (whose accessibility bus, at-spi-bus-launcher, starts when first asked for),
# Qt's accessibility bridge on, on the xcb platform. Everything stops with the command.
#   on_accessibility_bus.sh COMMAND [ARGUMENT...]
set -euo pipefail

for tool in Xvfb dbus-run-session /usr/bin/python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "on_accessibility_bus: $tool is missing; scripts/install-deps.sh installs it" >&2
    exit 1
  fi
done

workdir=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT

# shellcheck source=../support/private_xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../support/private_xvfb.sh"
start_private_xvfb "$workdir" || exit 1

mkdir -m 700 "$workdir/runtime"
XDG_RUNTIME_DIR="$workdir/runtime" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  TAVELLE_ATSPI_READER="$(dirname "${BASH_SOURCE[0]}")/atspi_lists.py" \
  dbus-run-session -- "$@"
