#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The application as most runs use it, printing nothing: once its home screen has been shown and its
# question of the default printer to lpstat has been answered, none of the print libraries (Qt Print
# Support, libcups and the TLS library it brings) is mapped into it. An lpstat of the test's own answers
# in place of the system's; the application asks it only after its first expose.
set -euo pipefail
tavelle=$1

work=$(mktemp -d)
program=""
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; wait "$program" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
mkdir "$work/bin"
cat >"$work/bin/lpstat" <<SCRIPT
#!/bin/sh
echo "system default destination: Bureau"
touch "$work/asked"
SCRIPT
chmod +x "$work/bin/lpstat"

env -u DISPLAY -u WAYLAND_DISPLAY -u TAVELLE_REPORT_FIRST_EXPOSE QT_QPA_PLATFORM=offscreen \
  XDG_RUNTIME_DIR="$work/runtime" PATH="$work/bin:$PATH" "$tavelle" >"$work/out" 2>"$work/err" &
program=$!

for _ in $(seq 600); do
  [ -e "$work/asked" ] && break
  kill -0 "$program" 2>/dev/null || { echo "FAIL: tavelle ended: $(cat "$work/err")"; exit 1; }
  sleep 0.05
done
[ -e "$work/asked" ] || { echo "FAIL: lpstat was not asked within 30 s"; exit 1; }
# Until lpstat has ended and the application has taken its answer.
for _ in $(seq 200); do
  pgrep -P "$program" >/dev/null || break
  sleep 0.05
done
if pgrep -P "$program" >/dev/null; then echo "FAIL: lpstat did not end"; exit 1; fi
sleep 0.5

maps=$(cat "/proc/$program/maps")
failed=0
# The maps must be the running application's: its widgets library is there.
grep -q 'libQt6Widgets' <<<"$maps" || { echo "FAIL: no libQt6Widgets among the mappings: wrong process?"; failed=1; }
# Nor is Qt SQL, which only practice loads (or, after the first expose, attempts waiting for a class database).
for library in libQt6PrintSupport libcups libgnutls libQt6Sql libsqlite3 libtavelle_progress; do
  if grep -q "$library" <<<"$maps"; then
    echo "FAIL: $library is loaded before any print or practice: $(grep "$library" <<<"$maps" | awk '{print $6}' | sort -u)"
    failed=1
  fi
done
[ -s "$work/err" ] && { echo "FAIL: standard error: $(cat "$work/err")"; failed=1; }
exit "$failed"
