#!/usr/bin/env bash
# Measures how much of core/ the core and tool tests execute: builds build-coverage/ (or the folder
# given as the one argument) with gcov instrumentation, runs those two suites, prints the line and
# branch coverage of each file of core/, writes an HTML report to build-coverage/coverage/index.html,
# and fails unless every line and branch of core/ is taken.
#
# Branches that only an exception from the standard library could take (a std::string that fails to
# allocate) are left out, since no test can take them and they are none of the core's rules: the core
# is compiled without exception tables in this tree (core/CMakeLists.txt), and gcovr drops the throw
# branches of the core's header code compiled into the tests and the branches marked unreachable.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "${1:-$root/build-coverage}")
report="$dir/coverage"

"$root/scripts/install-deps.sh"

# gcov finds each source by the path compiled into its object: a compiler cache set to rewrite those paths
# (ccache's base_dir) would leave it none, so this small tree is compiled without the cache.
export CCACHE_DISABLE=1
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTAVELLE_BUILD_BENCH=OFF -DTAVELLE_COVERAGE=ON
# Counts of an earlier build would not match a rebuilt object, and those of an earlier run (or of the
# test discovery that the build runs) would add up with this run's.
find "$dir" -name '*.gcda' -delete 2>/dev/null || true
cmake --build "$dir" -j2 --target tavelle_core_tests tavelle_tool_tests
find "$dir" -name '*.gcda' -delete
# A tool a test stops while it writes its counts leaves them partial, and the next run's merge complains on
# standard error, which the tests compare: the profiler's own messages go to a file of their own.
export GCOV_ERROR_FILE="$dir/gcov-errors.log"
"$dir/tests/tavelle_core_tests" --gtest_brief=1
"$dir/tests/tavelle_tool_tests" --gtest_brief=1

rm -rf "$report"
mkdir -p "$report"
gcovr --root "$root" --object-directory "$dir" --filter "$root/core/" \
  --exclude-throw-branches --exclude-unreachable-branches -j 2 --json "$report/core.json"
gcovr --add-tracefile "$report/core.json" --root "$root" \
  --html-details "$report/index.html" --html-title "Tavelle core coverage"
echo "coverage: HTML report in $report/index.html"
echo "== lines of core/"
gcovr --add-tracefile "$report/core.json" --root "$root" --txt
echo "== branches of core/"
# Every line and branch of the core is taken by some test: a new one must come with its test.
if ! gcovr --add-tracefile "$report/core.json" --root "$root" --txt --branches --print-summary \
  --fail-under-line 100 --fail-under-branch 100; then
  echo "coverage: a line or branch of core/ is taken by no test (the Missing columns above say which)" >&2
  exit 1
fi
