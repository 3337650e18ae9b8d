#!/usr/bin/env bash
# Checks that C++ files are formatted as .clang-format says, without changing
# them: lists each file that differs and exits 1 when any does.
# Usage: check-format.sh [file...]   (default: every .h and .cpp git tracks)
set -u
cd "$(dirname "$0")/.." || exit 2
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 2; }
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  mapfile -t files < <(git ls-files -- '*.h' '*.cpp' 2>/dev/null ||
    find . -path ./build -prune -o \( -name '*.h' -o -name '*.cpp' \) -print)
fi
[ ${#files[@]} -eq 0 ] && exit 0
# Files go to clang-format in batches, several at once; each place that
# differs is reported as "FILE:LINE:COLUMN: error: ...".
report=$(printf '%s\0' "${files[@]}" |
  xargs -0 -n 40 -P "$(nproc)" clang-format --dry-run --Werror 2>&1 >/dev/null)
xargs_status=$?
differing=$(grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u)
if [ -n "$differing" ]; then
  echo "$differing"
  exit 1
fi
if [ "$xargs_status" -ne 0 ]; then
  # clang-format failed without naming a place: say what it said.
  echo "$report" >&2
  exit 1
fi
exit 0
