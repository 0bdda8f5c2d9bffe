#!/usr/bin/env bash
# Times tavelle-sheets --bilan on a class of 25 trainees with about 10,000 attempts, compares its peak memory
# at 10,000 and at 100,000 attempts (it must not grow with the attempts) and gives the PDF's size per page;
# then the same from the class database, on a private PostgreSQL server (skipped with --no-database).
# Usage: bench/report_timing.sh [--no-database] [build-dir]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
database=yes
if [ "${1:-}" = --no-database ]; then database=no; shift; fi
build=$(realpath -m "${1:-$root/build}")
sheets="$build/tools/sheets/tavelle-sheets"
generator="$build/tests/support/tavelle-example-class"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# About 55 attempts a week: 182 weeks make about 10,000, 1,820 about 100,000.
"$generator" "$out/small.csv" 182
"$generator" "$out/large.csv" 1820
small_rows=$(($(wc -l < "$out/small.csv") - 1))
large_rows=$(($(wc -l < "$out/large.csv") - 1))

run() {  # csv -> "seconds maxrss_kib"
  /usr/bin/time -f '%e %M' -o "$out/time" "$sheets" --bilan "$1" -o "$out/bilan.pdf"
  cat "$out/time"
}

best=""
for _ in 1 2 3 4 5; do
  read -r seconds kib < <(run "$out/small.csv")
  if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$seconds; small_kib=$kib; fi
done
pdf_bytes=$(stat -c %s "$out/bilan.pdf")
pages=$(pdfinfo "$out/bilan.pdf" | awk '/^Pages:/ { print $2 }')
read -r large_seconds large_kib < <(run "$out/large.csv")
awk -v s="$best" -v n="$small_rows" -v big_n="$large_rows" -v small="$small_kib" -v big="$large_kib" -v ls="$large_seconds" \
    -v bytes="$pdf_bytes" -v pages="$pages" 'BEGIN {
  printf "tavelle-sheets --bilan, %d attempts, 25 trainees, best of 5: %.2f s (%d attempts: %.2f s)\n", n, s, big_n, ls
  printf "peak memory: %d attempts %.1f MiB, %d attempts %.1f MiB (%.2fx)\n", n, small / 1024, big_n, big / 1024, big / small
  printf "PDF: %d pages, %.1f KB per page\n", pages, bytes / pages / 1000
}'

if [ "$database" = yes ]; then
  "$build/bench/tavelle_report_database_bench" "$sheets" "$out/small.csv" "$out/large.csv" > "$out/database"
  awk 'NR == 1 { n = $1; s = $2; kib = $3 } NR == 2 { printf "from the class database, best of 3: %d attempts %.2f s %.1f MiB, %d attempts %.2f s %.1f MiB (%.2fx)\n", n, s, kib / 1024, $1, $2, $3 / 1024, $3 / kib }' "$out/database"
fi
