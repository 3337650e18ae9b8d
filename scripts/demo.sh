#!/usr/bin/env bash
# ./run.sh demo: a simulated DVR (127.0.0.2) and a simulated camera
# (127.0.0.3) answer on loopback, and Setup runs beside them with discovery
# kept on loopback: it sends from 127.0.0.1 to the loopback broadcast address
# only, never on this machine's real interfaces. The simulators stop when
# Setup ends.
set -u
bin=${1:?usage: scripts/demo.sh BIN_DIR}
for program in devsim Setup; do
  if [ ! -x "$bin/$program" ]; then
    echo "demo: $bin/$program is missing" >&2
    exit 1
  fi
done

pids=()
stop_simulators() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  wait "${pids[@]}" 2>/dev/null
}
trap stop_simulators EXIT
trap 'exit 130' INT TERM

start_simulator() {
  "$bin/devsim" "$@" &
  pids+=($!)
}
start_simulator --address 127.0.0.2 --family 4 --password admin
start_simulator --address 127.0.0.3 --family 0 --password admin

# Give the simulators a moment to bind, and stop when one could not.
sleep 1
for pid in "${pids[@]}"; do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "demo: a simulated device did not start (is another demo running?)" >&2
    exit 1
  fi
done

echo "demo: the DVR at 127.0.0.2 (user admin, password admin) appears under \"Local Area DVR\"."
"$bin/Setup" --adapter 127.0.0.1 --broadcast-target 127.255.255.255
