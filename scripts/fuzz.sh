#!/usr/bin/env bash
# Fuzzes the answer-key path (tests/fuzz/answer_key_fuzz.cpp) with libFuzzer for a fixed number of
# inputs: builds build-fuzz/ with clang, -fsanitize=fuzzer,address,undefined, and starts from the seed
# corpus tests/fuzz/corpus/. A crash, leak, hang or failed check ends the run with a failure and
# leaves the input in build-fuzz/findings/; copy it into tests/fuzz/corpus/ once fixed, so that every
# later run replays it.
#   scripts/fuzz.sh [RUNS]        (default 300000 inputs, about a minute)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-300000}
dir="$root/build-fuzz"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DTAVELLE_FUZZ=ON -DTAVELLE_BUILD_BENCH=OFF > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log" >&2; exit 1; }
rm -f "$dir.configure.log"
cmake --build "$dir" -j2 --target tavelle_answer_key_fuzz

# The seeds stay as they are: what the run adds goes to a working corpus in the build tree.
mkdir -p "$dir/corpus" "$dir/findings"
echo "fuzz: $runs inputs from $(ls "$root/tests/fuzz/corpus" | wc -l) seeds"
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$dir/tests/fuzz/tavelle_answer_key_fuzz" -runs="$runs" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/answer_key.dict" -artifact_prefix="$dir/findings/" -print_final_stats=1 \
  "$dir/corpus" "$root/tests/fuzz/corpus" > "$dir/fuzz.log" 2>&1 || {
  tail -n 40 "$dir/fuzz.log" >&2
  echo "fuzz: a finding, kept in $dir/findings/" >&2
  exit 1
}
grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' "$dir/fuzz.log"
