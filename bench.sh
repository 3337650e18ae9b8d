#!/usr/bin/env bash
# Builds the benchmarks in release and prints their figures.
set -u
cd "$(dirname "$0")"
. scripts/deps.sh
suite_install_deps || exit 1
suite_configure_build build/bench -DCMAKE_BUILD_TYPE=Release -DSUITE_TESTS=OFF -DSUITE_BENCH=ON || exit 1
status=0
for b in build/bench/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  # Benchmarks that talk to simulated devices stay on this machine's loopback.
  if [ "$(id -u)" -eq 0 ]; then
    unshare --net -- bash -c 'ip link set lo up && exec "$0"' "$b" || status=1
  else
    "$b" || status=1
  fi
done
exit $status
