#!/usr/bin/env bash
# Builds and runs every benchmark of Tavelle and prints one table: measure, value, target, met.
#   bench/run_all.sh [BUILD_DIR]        (default: build; configure it first, Release for real figures)
# The window measures run on the xcb platform of a private Xvfb server that this script starts and
# stops. A missed target is reported in the table and below it; the exit status is still 0, so that the
# benchmarks never block a build (it is 2 only when nothing could be measured). TAVELLE_BENCH_RUNS sets
# the number of start-up runs of each program (default 15). Other load on the machine slows both
# programs of the start-up comparison alike, but blurs it: the CPU times printed below the table are
# less sensitive to it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build}
[[ "$build" = /* ]] || build="$PWD/$build"
runs=${TAVELLE_BENCH_RUNS:-15}
walk_runs=3
openings=50

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "run_all: $build is not a configured build directory; run first:" >&2
  echo "  cmake -S $root -B $build -DCMAKE_BUILD_TYPE=Release" >&2
  exit 2
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ "$build_type" != "Release" ]; then
  echo "run_all: warning: $build is a '${build_type:-default}' build; the targets are meant for Release" >&2
fi
if ! command -v Xvfb > /dev/null; then
  echo "run_all: Xvfb is missing; scripts/install-deps.sh installs it" >&2
  exit 2
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2> /dev/null || true; wait "$xvfb_pid" 2> /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "Building the application, the minimal window and the benchmarks in $build ..."
if ! cmake --build "$build" -j2 --target tavelle tavelle_minimal_window tavelle_bench_launch tavelle_walk_memory \
  tavelle_screen_open_bench tavelle_walk_bench tavelle_walk_instructions tavelle-solve > "$work/build.log" 2>&1; then
  tail -n 30 "$work/build.log" >&2
  echo "run_all: the build failed (the benchmarks need TAVELLE_BUILD_BENCH=ON, the default)" >&2
  exit 2
fi
app="$build/shell/tavelle"
minimal="$build/bench/tavelle_minimal_window"
launch="$build/bench/tavelle_bench_launch"

# A private X server on the first free display number.
# shellcheck source=../tests/support/private_xvfb.sh
. "$root/tests/support/private_xvfb.sh"
start_private_xvfb "$work" || exit 2
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
load=$(cut -d' ' -f1-3 /proc/loadavg)

failed() {
  echo "run_all: $1 failed; nothing more is measured" >&2
  exit 2
}
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
least() { sort -g | head -n 1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
met() { awk -v v="$1" -v op="$2" -v t="$3" 'BEGIN { ok = (op == "<") ? v < t : v <= t; print ok ? "yes" : "NO" }'; }

# Start-up, and the minimal window's peak memory: the two programs take turns, after one unmeasured run
# of each (loading the libraries from disk the first time is not what is measured).
echo "Start-up: $runs runs of each program on $DISPLAY ..."
"$launch" "$minimal" > /dev/null || failed "the minimal window"
"$launch" "$app" > /dev/null || failed "the application"
for _ in $(seq "$runs"); do
  "$launch" "$minimal" >> "$work/minimal" || failed "the minimal window"
  "$launch" "$app" >> "$work/app" || failed "the application"
done
minimal_start=$(cut -d' ' -f1 "$work/minimal" | median)
app_start=$(cut -d' ' -f1 "$work/app" | median)
minimal_peak=$(cut -d' ' -f2 "$work/minimal" | median)

echo "Peak memory: $walk_runs full walk-throughs ..."
for _ in $(seq "$walk_runs"); do
  "$launch" "$build/bench/tavelle_walk_memory" >> "$work/walk" || failed "the walk-through"
done
walk_peak=$(cut -d' ' -f2 "$work/walk" | median)

echo "Screen openings: $openings of each screen ..."
"$build/bench/tavelle_screen_open_bench" "$openings" > "$work/screens" || failed "the screen openings"

echo "Core walk of one exercise ..."
"$build/bench/tavelle_walk_bench" --benchmark_filter='^walkOneExercise$' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv > "$work/core" 2> /dev/null ||
  failed "the core walk benchmark"
core_us=$(awk -F, '$1 == "\"walkOneExercise_median\"" { t = $3
  if ($5 == "ns") t /= 1000; else if ($5 == "ms") t *= 1000; printf "%.2f", t }' "$work/core")

echo "Instructions of one core walk under callgrind ..."
"$root/bench/walk_instructions.sh" "$build" > "$work/instructions" || true
core_instructions=$(sed -n 's/.*callgrind: \([0-9]*\) instructions.*/\1/p' "$work/instructions")
[ -n "$core_instructions" ] || failed "the callgrind count of the core walk"

if command -v jq > /dev/null; then
  echo "tavelle-solve on 10,000 exercises against jq . ..."
  "$root/bench/solve_timing.sh" "$build" > "$work/solve" || true
  solve_ms=$(sed -n 's/^tavelle-solve, 10000 random exercises: \([0-9]*\) ms.*/\1/p' "$work/solve")
  jq_ms=$(sed -n 's/^jq \. on that output: \([0-9]*\) ms.*/\1/p' "$work/solve")
fi

rows=()
missed=()
row() {  # measure, value, target, met
  rows+=("$1|$2|$3|$4")
  [ "$4" = yes ] || missed+=("$1")
}
start_ratio=$(ratio "$app_start" "$minimal_start")
row "start-up to the home screen shown (median of $runs)" \
  "$(printf '%.1f ms = %s x minimal (%.1f ms)' "$app_start" "$start_ratio" "$minimal_start")" \
  "<= 1.10 x minimal" "$(met "$start_ratio" "<=" 1.10)"
peak_ratio=$(ratio "$walk_peak" "$minimal_peak")
row "peak memory of a full walk-through without printing (maxrss)" \
  "$(printf '%.1f MiB = %s x minimal (%.1f MiB)' "$(ratio "$walk_peak" 1024)" "$peak_ratio" \
    "$(ratio "$minimal_peak" 1024)")" \
  "<= 1.15 x minimal" "$(met "$peak_ratio" "<=" 1.15)"
while read -r _ name median_ms _ _; do
  row "opening of $name (median of $openings)" "$(printf '%.2f ms' "$median_ms")" "<= 5 ms" \
    "$(met "$median_ms" "<=" 5)"
done < "$work/screens"
row "core walk of one exercise (median of 5 repetitions)" "$core_us us" "<= 5 us" "$(met "$core_us" "<=" 5)"
row "core walk of one exercise under callgrind" "$core_instructions instructions" "< 40000" \
  "$(met "$core_instructions" "<" 40000)"
if [ -n "${solve_ms:-}" ] && [ -n "${jq_ms:-}" ]; then
  solve_ratio=$(awk -v a="$solve_ms" -v b="$jq_ms" 'BEGIN { printf "%.3f", a / b }')
  row "tavelle-solve on 10,000 exercises (best of 5)" "$solve_ms ms = $solve_ratio x jq . ($jq_ms ms)" \
    "<= 0.15 x jq ." "$(met "$solve_ratio" "<=" 0.15)"
else
  row "tavelle-solve on 10,000 exercises (best of 5)" "not measured (jq missing)" "<= 0.15 x jq ." "NO"
fi

echo
echo "Tavelle benchmarks: $build_type build; windows on xcb under Xvfb (1280x1024x24); load average $load"
printf '%s\n' "${rows[@]}" | awk -F'|' '
  { m[NR] = $1; v[NR] = $2; t[NR] = $3; ok[NR] = $4
    if (length($1) > w1) w1 = length($1); if (length($2) > w2) w2 = length($2); if (length($3) > w3) w3 = length($3) }
  END {
    printf "| %-" w1 "s | %-" w2 "s | %-" w3 "s | met? |\n", "measure", "value", "target"
    line = sprintf("|%" w1 + 2 "s|%" w2 + 2 "s|%" w3 + 2 "s|------|", "", "", ""); gsub(/ /, "-", line); print line
    for (i = 1; i <= NR; i++) printf "| %-" w1 "s | %-" w2 "s | %-" w3 "s | %-4s |\n", m[i], v[i], t[i], ok[i]
  }'
echo
printf 'Start-up, fastest run: application %.1f ms, minimal window %.1f ms (%s x).\n' \
  "$(cut -d' ' -f1 "$work/app" | least)" "$(cut -d' ' -f1 "$work/minimal" | least)" \
  "$(ratio "$(cut -d' ' -f1 "$work/app" | least)" "$(cut -d' ' -f1 "$work/minimal" | least)")"
printf 'CPU time of a start-up run (median): application %.1f ms, minimal window %.1f ms.\n' \
  "$(cut -d' ' -f3 "$work/app" | median)" "$(cut -d' ' -f3 "$work/minimal" | median)"
echo "Slowest of the $openings openings: $(awk '{ printf "%s%s %.1f ms", sep, $2, $5; sep = ", " }' "$work/screens")."
echo
if [ "${#missed[@]}" -eq 0 ]; then
  echo "All targets met."
else
  echo "TARGETS MISSED (${#missed[@]}):"
  printf '  - %s\n' "${missed[@]}"
fi
exit 0
