#!/usr/bin/env bash
# Times tavelle-sheets on 100 random exercises, both parts, in CPU time (user and system: on a shared
# machine the wall clock measures the neighbours), compares its peak memory at 100 and at 10,000
# exercises (it must not grow with the set) and gives the PDF's size per exercise.
# Usage: bench/sheets_timing.sh [build-dir]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
sheets="$build/tools/sheets/tavelle-sheets"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

run() {  # count -> "cpu_seconds maxrss_kib"
  /usr/bin/time -f '%U %S %M' -o "$out/time" "$sheets" --random "$1" --seed 11 -o "$out/set.pdf"
  awk '{ printf "%.2f %d\n", $1 + $2, $3 }' "$out/time"
}

best=""
for _ in 1 2 3 4 5; do
  read -r seconds kib < <(run 100)
  if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$seconds; hundred_kib=$kib; fi
done
pdf_bytes=$(stat -c %s "$out/set.pdf")
read -r large_seconds large_kib < <(run 10000)
awk -v s="$best" -v small="$hundred_kib" -v big="$large_kib" -v ls="$large_seconds" -v bytes="$pdf_bytes" 'BEGIN {
  printf "tavelle-sheets, 100 exercises, both parts, best of 5: %.2f s of CPU = %.1f ms per exercise (10,000: %.1f ms)\n", s, s * 10, ls / 10
  printf "peak memory: 100 exercises %.1f MiB, 10,000 exercises %.1f MiB (%.2fx)\n", small / 1024, big / 1024, big / small
  printf "PDF: %.1f KB per exercise, both parts\n", bytes / 100 / 1000
}'
