#!/usr/bin/env bash
# Installs what is missing (the French locale too), checks that every source file keeps the layout
# .clang-format declares, then
# builds and runs every test twice, any compiler warning failing the
# build: in build/ as shipped (Release), and in build-sanitize/ instrumented with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer, where any finding fails the run. In between,
# scripts/coverage.sh checks in build-coverage/ that the core and tool tests take every line and branch of
# core/. Last, scripts/fuzz.sh fuzzes the answer-key path in build-fuzz/ (clang, libFuzzer) for a fixed
# number of inputs, and tests/fuzz/mutation_run.py feeds mutated exercise files to the sanitizer build of
# tavelle-solve. The trees are kept between runs: a second run only
# rebuilds what changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Configures the tree DIR with the given CMake options, builds it two jobs at a time, runs its whole suite.
build_and_test() {
  local dir=$1
  shift
  echo "test.sh: building and testing ${dir#"$root"/}"
  cmake -S "$root" -B "$dir" "$@"
  cmake --build "$dir" -j2
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
}

# The first error, leak or undefined behaviour ends the process with a failure and its stack. The tests'
# child processes inherit these variables: system programs (cupsd, lpadmin, pdftoppm, sh) are not
# instrumented and ignore them; tavelle-solve is, and is checked the same way. Nothing is preloaded.
# The print module loads libcups and its TLS libraries with dlopen, into dynamic thread-local storage,
# whose blocks this glibc marks in a way the leak checker misreads (it crashes reading a bogus block at
# exit): without tracking those blocks, it only loses them as places that keep memory alive, which can
# report a leak too many, never hide one.
sanitizer_environment() {
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:intercept_tls_get_addr=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0
}

"$root/scripts/install-deps.sh"

# The whole run is what a French machine sees: French settings, the C library's French messages. A test
# that needs other settings sets them itself.
export LANG=fr_FR.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES LC_NUMERIC LC_CTYPE LC_COLLATE LC_TIME LC_MONETARY

# The layout .clang-format declares, before anything is built: a file that strays from it fails at once.
"$root/scripts/check-format.sh"

build_and_test "$root/build" -DCMAKE_BUILD_TYPE=Release -DTAVELLE_BUILD_TESTS=ON -DTAVELLE_BUILD_BENCH=ON -DTAVELLE_WERROR=ON

# Under a minute from scratch: the core and tool suites again, instrumented for gcov.
"$root/scripts/coverage.sh"

# The sanitizer variables must be set while building too: test discovery runs the test programs.
(
  sanitizer_environment
  build_and_test "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAVELLE_SANITIZE=ON -DTAVELLE_BUILD_BENCH=OFF -DTAVELLE_WERROR=ON
)

"$root/scripts/fuzz.sh"
(
  sanitizer_environment
  python3 "$root/tests/fuzz/mutation_run.py" "$root/build-sanitize/tools/tavelle-solve" 2000
)
