#!/usr/bin/env bash
# Times tavelle-sheets on 100 random exercises, both parts (200 A4 pages), and compares its peak
# memory with that of 25 exercises: beyond the PDF being written it must not grow with the set.
# Usage: bench/sheets_timing.sh [build-dir]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
sheets="$build/tools/sheets/tavelle-sheets"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

run() {  # count -> "seconds maxrss_kib"
  /usr/bin/time -f '%e %M' -o "$out/time" "$sheets" --random "$1" --seed 11 -o "$out/set.pdf"
  cat "$out/time"
}

best=""
for _ in 1 2 3 4 5; do
  read -r seconds kib < <(run 100)
  if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$seconds; hundred_kib=$kib; fi
done
read -r _ small_kib < <(run 25)
pdf_kib=$(( $(stat -c %s "$out/set.pdf") / 1024 ))
awk -v s="$best" -v big="$hundred_kib" -v small="$small_kib" 'BEGIN {
  printf "tavelle-sheets, 100 exercises (200 pages), best of 5: %.2f s = %.1f ms per exercise\n", s, s * 10
  printf "peak memory: 100 exercises %.1f MiB, 25 exercises %.1f MiB (%.2fx)\n", big / 1024, small / 1024, big / small
}'
