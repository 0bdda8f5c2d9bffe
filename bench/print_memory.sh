#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What one print costs: the peak memory of the full walk-through (tavelle_walk_memory) without printing
# and with one print (the print program runs in a process of its own, not counted), the time from the
# press to the print program's answer, and the size of the job handed to the print system. The print goes
# to a CUPS-PDF queue of a private scheduler (tests/print/private_cupsd.sh), made the default, under a
# private Xvfb; nothing of the machine's own print system is touched. Needs root, as the CUPS-PDF backend
# does, and the packages of scripts/install-deps.sh.
#   bench/print_memory.sh [build-dir]        (RUNS=N walks of each kind, default 3; the median is shown)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${RUNS:-3}
if [ "$(id -u)" -ne 0 ]; then
  echo "print_memory: the CUPS-PDF backend only runs for a scheduler started as root" >&2
  exit 2
fi

work=$(mktemp -d)
xvfb_pid=""
cupsd_pid=""
cleanup() {
  for pid in $cupsd_pid $xvfb_pid; do kill "$pid" 2> /dev/null || true; wait "$pid" 2> /dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

echo "Building the walk-through, the launcher and the print program in $build ..."
if ! cmake --build "$build" -j2 --target tavelle_walk_memory tavelle_bench_launch tavelle-print \
  > "$work/build.log" 2>&1; then
  tail -n 30 "$work/build.log" >&2
  exit 2
fi
launch="$build/bench/tavelle_bench_launch"
walk="$build/bench/tavelle_walk_memory"

# The client side reads no configuration of the machine or of the user.
mkdir -p "$work/cups" "$work/client" "$work/home"
export CUPS_SERVER="$work/cups/cups.sock" CUPS_SERVERROOT="$work/client" HOME="$work/home"
unset LPDEST PRINTER
sh "$root/tests/print/private_cupsd.sh" "$work/cups" > "$work/cupsd.log" 2>&1 &
cupsd_pid=$!
for _ in $(seq 200); do
  lpstat -r 2> /dev/null | grep -q "scheduler is running" && break
  sleep 0.05
done
sh "$root/tests/print/add_pdf_queue.sh" "$work/cups" PDF > /dev/null
/usr/sbin/lpadmin -d PDF

# shellcheck source=../tests/support/private_xvfb.sh
. "$root/tests/support/private_xvfb.sh"
start_private_xvfb "$work" || exit 2
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "Peak memory: $runs walks without printing and $runs with one print ..."
for _ in $(seq "$runs"); do
  "$launch" "$walk" | cut -d' ' -f2 >> "$work/plain"
  "$launch" "$walk" --print 2>> "$work/print_times" | cut -d' ' -f2 >> "$work/printed"
done
for _ in $(seq 600); do
  [ -z "$(lpstat -o 2> /dev/null)" ] && break
  sleep 0.05
done

plain=$(median < "$work/plain")
printed=$(median < "$work/printed")
# The scheduler keeps the documents it was handed as dJOBID-NNN in its spool.
jobs=$(find "$work/cups/spool" -maxdepth 1 -name 'd*-*' | wc -l)
job=$(find "$work/cups/spool" -maxdepth 1 -name 'd*-*' -printf '%s\n' | median)
answer=$(sed -n 's/^walk_memory: print answered in \([0-9]*\) ms$/\1/p' "$work/print_times" | median)
awk -v a="$plain" -v b="$printed" -v j="$job" -v n="$jobs" -v t="$answer" 'BEGIN {
  printf "peak memory of the walk without printing: %.1f MiB\n", a / 1024
  printf "peak memory of the walk with one print:   %.1f MiB = %.2f x without (target <= 1.2 x)\n", b / 1024, b / a
  printf "from the press to the print program'"'"'s answer (job held, page sent, released): %d ms (median)\n", t
  printf "the print job handed to the print system: %.0f KB (median of %d jobs; target < 200 KB)\n", j / 1000, n
}'
