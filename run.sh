#!/usr/bin/env bash
# Installs what is missing, builds the release and starts Setup.
# ./run.sh demo starts Setup beside simulated devices.
set -u
cd "$(dirname "$0")"
. scripts/deps.sh
suite_install_deps || { echo "run.sh: installing packages failed" >&2; exit 1; }
suite_configure_build build/release -DCMAKE_BUILD_TYPE=Release -DSUITE_TESTS=OFF || exit 1
bin=build/release/bin
if [ "${1:-}" = "demo" ]; then
  if [ ! -x scripts/demo.sh ] || [ ! -x "$bin/devsim" ]; then
    echo "run.sh: the simulated devices are not part of this build yet" >&2
    exit 1
  fi
  exec scripts/demo.sh "$bin"
fi
exec "$bin/Setup" "$@"
