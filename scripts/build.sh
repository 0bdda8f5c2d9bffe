#!/usr/bin/env bash
# Configures and builds all of Tavelle in build/ (Release): the programs, the tools, the tests and the
# benchmarks, two jobs at a time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DTAVELLE_BUILD_TESTS=ON -DTAVELLE_BUILD_BENCH=ON
cmake --build "$root/build" -j2
