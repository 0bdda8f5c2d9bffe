#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metainfo passes `appstreamcli validate` without the network, carries the application
# id, and every screenshot it announces is one of the pictures kept in docs/screens.
set -euo pipefail
metainfo=$1
id=$2
screens=$3

appstreamcli validate --no-net --explain "$metainfo"
grep -q "<id>$id</id>" "$metainfo" || { echo "the metainfo's <id> is not $id"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  { echo "the metainfo does not launch $id.desktop"; exit 1; }
images=$(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo")
[ -n "$images" ] || { echo "the metainfo shows no screenshot"; exit 1; }
for image in $images; do
  [ -f "$screens/$(basename "$image")" ] || { echo "screenshot $image is not in $screens"; exit 1; }
done
