#!/usr/bin/env bash
# Instructions of one core walk under callgrind: those spent inside walkExercise over 2,000 walks of random
# exercises (one result reused), divided by 2,000. Prints the figure and checks the 40,000 budget.
set -euo pipefail
build=${1:-build}
walks=2000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

valgrind --tool=callgrind --callgrind-out-file="$work/out" --toggle-collect='tavelle::walkExercise*' \
  "$build/bench/tavelle_walk_instructions" "$walks" > /dev/null 2> "$work/log"
total=$(awk '/^summary:/ { print $2 }' "$work/out")
per_walk=$(( total / walks ))
printf 'core walk of one exercise under callgrind: %d instructions (mean of %d walks; budget 40000)\n' \
  "$per_walk" "$walks"
[ "$per_walk" -lt 40000 ]
