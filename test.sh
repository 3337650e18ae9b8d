#!/usr/bin/env bash
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test inside a private network namespace, so that no packet of a test
# leaves this machine. Exit status is ctest's.
set -u
cd "$(dirname "$0")"
. scripts/deps.sh
suite_install_deps || { echo "test.sh: installing packages failed" >&2; exit 1; }
suite_configure_build build/test -DCMAKE_BUILD_TYPE=Debug -DSUITE_SANITIZE=ON || exit 1

run_in_netns='ip link set lo up && cd build/test && exec ctest --output-on-failure -j "$(nproc)" "$@"'
if [ "$(id -u)" -eq 0 ]; then
  exec unshare --net -- bash -c "$run_in_netns" ctest "$@"
elif unshare --map-root-user --net true 2>/dev/null; then
  exec unshare --map-root-user --net -- bash -c "$run_in_netns" ctest "$@"
else
  exec sudo unshare --net -- bash -c "$run_in_netns" ctest "$@"
fi
