#!/usr/bin/env bash
# Peak memory (maxrss) of tavelle-solve on 1,000 and 100,000 exercises, from a file and with --random,
# and checks that the larger input takes at most 1.5 times the memory of the smaller one: the tool holds
# one exercise at a time. TAVELLE_SOLVE_MEMORY_COUNTS overrides the counts (e.g. "1000 1000000").
#   bench/solve_memory.sh [BUILD_DIR]        (default: build)
set -euo pipefail
build=${1:-build}
solve="$build/tools/tavelle-solve"
read -r -a counts <<< "${TAVELLE_SOLVE_MEMORY_COUNTS:-1000 100000}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ ! -x /usr/bin/time ]; then
  echo "solve_memory: /usr/bin/time is missing; scripts/install-deps.sh installs it" >&2
  exit 2
fi

# Peak resident memory in KiB of the command given, its output thrown away.
peak() { /usr/bin/time -f %M -o "$work/rss" "$@" > /dev/null && cat "$work/rss"; }

declare -A file_peak random_peak
for count in "${counts[@]}"; do
  "$solve" --random "$count" --seed 2026 > "$work/exercises.json"
  file_peak[$count]=$(peak "$solve" "$work/exercises.json")
  random_peak[$count]=$(peak "$solve" --random "$count" --seed 2026)
done

small=${counts[0]}
large=${counts[-1]}
status=0
printf '| tavelle-solve | %s exercises | %s exercises | ratio | at most 1.5x? |\n|---|---|---|---|---|\n' "$small" "$large"
for mode in file random; do
  declare -n peaks="${mode}_peak"
  ratio=$(awk -v a="${peaks[$large]}" -v b="${peaks[$small]}" 'BEGIN { printf "%.2f", a / b }')
  met=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.5) ? "yes" : "NO" }')
  [ "$met" = yes ] || status=1
  label=$([ "$mode" = file ] && echo "peak memory, exercises from a file" || echo "peak memory, --random")
  printf '| %s | %.1f MiB | %.1f MiB | %s | %s |\n' "$label" "$(awk -v k="${peaks[$small]}" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="${peaks[$large]}" 'BEGIN { print k / 1024 }')" "$ratio" "$met"
done
exit "$status"
