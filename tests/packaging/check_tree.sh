#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree PREFIX (an install or an unpacked package): it holds exactly the files
# listed in EXPECTED, its programs are executable, the application finds and runs its print program
# there, its PNG icons are the size their folder says and its scalable icon is an SVG picture.
set -euo pipefail
prefix=$1
expected=$2

(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$prefix.found"
LC_ALL=C sort "$expected" >"$prefix.expected"
if ! diff -u "$prefix.expected" "$prefix.found"; then
  echo "the installed files differ from the list (- missing, + unexpected)"
  exit 1
fi
for program in "$prefix"/bin/*; do
  [ -x "$program" ] || { echo "$program is not executable"; exit 1; }
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tavelle" --check-print-module ||
  { echo "$prefix/bin/tavelle does not run its print program"; exit 1; }
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  # Width and height are the two big-endian words after the signature and the IHDR chunk's head.
  header=$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')
  size="$((16#${header:0:8}))x$((16#${header:8:8}))"
  [ "$size" = "$folder" ] || { echo "$png is $size pixels, not $folder"; exit 1; }
done
for svg in "$prefix"/share/icons/hicolor/scalable/apps/*.svg; do
  grep -q '<svg' "$svg" && grep -q '<path' "$svg" || { echo "$svg is no SVG drawing"; exit 1; }
done
