#!/usr/bin/env bash
# Configures and builds Tavelle in build/ (Release), two jobs at a time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j2
