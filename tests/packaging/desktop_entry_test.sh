#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry passes desktop-file-validate without an error, a warning or a hint (two main
# categories, say, would show it twice in the menu), and names the application id as its icon and as
# the windows' class, so that the menu shows the icon and a running window is matched to its entry.
set -euo pipefail
entry=$1
id=$2

[ "$(basename "$entry")" = "$id.desktop" ] || { echo "the desktop entry is $entry, not $id.desktop"; exit 1; }
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; exit 1; }
if grep -E ': (error|warning|hint): ' <<<"$report"; then exit 1; fi
for key in Icon StartupWMClass; do
  value=$(sed -n "s/^$key=//p" "$entry")
  [ "$value" = "$id" ] || { echo "$key is \"$value\", not the application id $id"; exit 1; }
done
