#!/usr/bin/env bash
# ./fuzz.sh TARGET SECONDS: fuzzes one target with libFuzzer, starting from its seed corpus.
set -u
cd "$(dirname "$0")"
if [ $# -ne 2 ]; then
  echo "usage: ./fuzz.sh TARGET SECONDS   (targets: $(ls fuzz/*.cmake | xargs -n1 basename | sed 's/\.cmake$//' | tr '\n' ' '))" >&2
  exit 2
fi
. scripts/deps.sh
suite_install_deps || exit 1
CC=clang CXX=clang++ suite_configure_build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSUITE_FUZZ=ON -DSUITE_SANITIZE=ON -DSUITE_TESTS=OFF || exit 1
work=build/fuzz/corpus/$1
mkdir -p "$work"
exec build/fuzz/bin/"$1" -max_total_time="$2" "$work" fuzz/corpus/"$1"
