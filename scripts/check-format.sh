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
status=0
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "$f"
    status=1
  fi
done
exit $status
