#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary DESTDIR under the prefix /usr and checks that it holds
# exactly the files listed in EXPECTED (paths under the prefix), that the programs are executable,
# and that every icon is the size its folder says.
set -euo pipefail
build=$1
expected=$2

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log"; exit 1; }
"$here/check_tree.sh" "$work/root/usr" "$expected"
