#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary DESTDIR and checks, through GIO as a file manager asks, that
# an exercise file (*.tavelle) is of the exercises' type, a kind of JSON, and that the desktop entry is an
# application registered for it.
set -euo pipefail
build=$1
application_id=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log"; exit 1; }
share="$work/root/usr/share"
update-mime-database "$share/mime" >/dev/null 2>&1
update-desktop-database "$share/applications"
printf '{"pumpRating": "1000/15"}\n' >"$work/set.tavelle"

# The desktop entry is offered only where its TryExec program is found, as once installed.
export PATH="$work/root/usr/bin:$PATH"
export XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$work/home" XDG_CONFIG_HOME="$work/config"
failed=0
type=$(gio info -a standard::content-type "$work/set.tavelle" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-tavelle-exercises ] || { echo "set.tavelle is of type \"$type\""; failed=1; }
gio mime application/x-tavelle-exercises >"$work/handlers" 2>&1 || true
grep -q "$application_id.desktop" "$work/handlers" ||
  { echo "no application for the exercises' type:"; cat "$work/handlers"; failed=1; }
grep -q 'sub-class-of type="application/json"' "$share/mime/packages/$application_id.xml" ||
  { echo "the exercises' type is no kind of JSON"; failed=1; }
exit "$failed"
