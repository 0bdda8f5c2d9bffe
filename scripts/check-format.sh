#!/usr/bin/env bash
# Fails, naming each file, when a C++ source of the project differs from the layout .clang-format
# declares. `scripts/check-format.sh --fix` rewrites them in place instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${sources[@]}"
  exit 0
fi
differing=()
for source in "${sources[@]}"; do
  if ! clang-format --dry-run --Werror "$source" >/dev/null 2>&1; then differing+=("$source"); fi
done
if [ "${#differing[@]}" -ne 0 ]; then
  echo "check-format: these files differ from .clang-format (scripts/check-format.sh --fix rewrites them):" >&2
  printf '  %s\n' "${differing[@]}" >&2
  exit 1
fi
