#!/usr/bin/env bash
# Times tavelle-solve on 10,000 random exercises and `jq .` on its output, in turns, best of five runs each:
# checks the 1 s budget and that the tool takes at most 0.15 x jq's time.
set -euo pipefail
build=${1:-build}
solve="$build/tools/tavelle-solve"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$solve" --random 10000 --seed 2026 > "$work/exercises.json"
"$solve" "$work/exercises.json" > "$work/answers.json"
elapsed_ms() {  # command...: its wall time in milliseconds, output dropped
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
}
best=""
best_jq=""
for _ in 1 2 3 4 5; do
  ms=$(elapsed_ms "$solve" "$work/exercises.json")
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  ms=$(elapsed_ms jq . "$work/answers.json")
  if [ -z "$best_jq" ] || [ "$ms" -lt "$best_jq" ]; then best_jq=$ms; fi
done
ratio=$(awk -v a="$best" -v b="$best_jq" 'BEGIN { printf "%.3f", a / b }')
printf 'tavelle-solve, 10000 random exercises: %d ms (best of 5; budget 1000 ms), output %d bytes\n' \
  "$best" "$(stat -c %s "$work/answers.json")"
printf 'jq . on that output: %d ms (best of 5); tavelle-solve takes %s x its time (budget 0.15 x)\n' \
  "$best_jq" "$ratio"
[ "$best" -lt 1000 ] && awk -v r="$ratio" 'BEGIN { exit !(r <= 0.15) }'
