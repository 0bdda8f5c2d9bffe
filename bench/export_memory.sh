#!/usr/bin/env bash
# Times `tavelle --base … --progression` on a private PostgreSQL server holding 10,000 attempts (best of 3)
# and 1,000,000 (one run), and compares their peak memory: the export writes each row as the server gives
# it, so it must not grow with the attempts.
# Usage: bench/export_memory.sh [build-dir]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$build/bench/tavelle_export_bench" "$build/shell/tavelle" 3 10000 > "$out/small"
"$build/bench/tavelle_export_bench" "$build/shell/tavelle" 1 1000000 > "$out/large"
read -r n s kib bytes < "$out/small"
read -r big_n big_s big_kib big_bytes < "$out/large"
awk -v n="$n" -v s="$s" -v kib="$kib" -v big_n="$big_n" -v big_s="$big_s" -v big_kib="$big_kib" -v bytes="$big_bytes" 'BEGIN {
  printf "tavelle --progression from the class database: %d attempts %.2f s (best of 3), %d attempts %.1f s (%.0f attempts/s, %.0f MB written)\n", n, s, big_n, big_s, big_n / big_s, bytes / 1e6
  printf "peak memory: %d attempts %.1f MiB, %d attempts %.1f MiB (%.2fx)\n", n, kib / 1024, big_n, big_kib / 1024, big_kib / kib
}'
