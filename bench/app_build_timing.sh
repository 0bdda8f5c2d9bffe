#!/usr/bin/env bash
# Times the application-only build from scratch, as scripts/run.sh does it (configure without tests and
# benchmarks, then the target tavelle with two jobs), in a fresh build folder with ccache disabled, and
# reports the load average before and after, since the machine may be shared. With --per-object it also
# lists the objects by compile time, slowest first (each compile timed through a launcher).
# Usage: bench/app_build_timing.sh [--per-object] [SOURCE_TREE]   (SOURCE_TREE: this clone by default)
set -euo pipefail
per_object=0
if [ "${1:-}" = --per-object ]; then
  per_object=1
  shift
fi
source_tree=$(cd "${1:-$(dirname "$0")/..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export CCACHE_DISABLE=1

launcher=()
if [ "$per_object" -eq 1 ]; then
  cat >"$work/timed_compile" <<'LAUNCHER'
#!/usr/bin/env bash
# Runs one compile and appends "seconds object" to the log.
object=unknown
previous=
for argument in "$@"; do
  if [ "$previous" = -o ]; then object=$argument; fi
  previous=$argument
done
start=$(date +%s.%N)
"$@"
status=$?
echo "$(awk -v a="$(date +%s.%N)" -v b="$start" 'BEGIN { print a - b }') $object" >>"$(dirname "$0")/compile_times"
exit $status
LAUNCHER
  chmod +x "$work/timed_compile"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$work/timed_compile")
fi

now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%6.1f", a - b }'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }
load_before=$(load)
start=$(now)
cmake -S "$source_tree" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DTAVELLE_BUILD_TESTS=OFF \
      -DTAVELLE_BUILD_BENCH=OFF "${launcher[@]}" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
configured=$(now)
cmake --build "$work/build" -j2 --target tavelle >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; exit 1; }
built=$(now)
load_after=$(load)

objects=$(find "$work/build" -name '*.o' | wc -l)
echo "configure  $(seconds "$configured" "$start") s"
echo "build      $(seconds "$built" "$configured") s  ($objects objects)"
echo "total      $(seconds "$built" "$start") s"
echo "load average before: $load_before   after: $load_after   (cores: $(nproc))"
if [ "$per_object" -eq 1 ]; then
  echo "slowest objects (seconds):"
  sort -rn "$work/compile_times" | head -n 25 | sed "s|$work/build/||"
  printf 'sum of compile times: %.1f s\n' "$(awk '{ s += $1 } END { print s }' "$work/compile_times")"
fi
