#!/usr/bin/env bash
# The example host beside a simulated DVR on loopback: its explorer pane,
# and then its camera explorer, list the DVR that discovery found, and a
# picture of each is kept.
# Usage: ExplorerHostTest.sh BIN_DIR PICTURE_DIR
set -u
# In a network namespace of its own, so that the simulated DVR answers no
# other test's broadcasts and this host hears no other test's devices.
if [ -z "${EXPLORER_HOST_PRIVATE:-}" ] && unshare --net true 2>/dev/null; then
  export EXPLORER_HOST_PRIVATE=1
  exec unshare --net -- bash -c 'ip link set lo up && exec "$0" "$@"' "$0" "$@"
fi
bin=${1:?bin dir}
pictures=${2:?picture dir}
home=$(mktemp -d)
sim=
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT

"$bin/devsim" --address 127.0.0.2 --family 4 --password admin >"$home/devsim.log" 2>&1 &
sim=$!
mkdir -p "$pictures"
# run_host PICTURE [OPTION]...
run_host() {
  local picture=$1 out status
  shift
  rm -f "$picture"
  # The explorers repeat their first discovery in their first seconds, so
  # a simulator that binds a moment later is still found.
  out=$(XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen \
    "$bin/explorer_host" --adapter 127.0.0.1 --broadcast-target 127.255.255.255 --picture "$picture" \
    --seconds 3 "$@")
  status=$?
  echo "$out"
  [ "$status" -eq 0 ] || { echo "explorer_host $* ended with $status"; return 1; }
  grep -qx "row 127.0.0.2" <<<"$out" || { echo "explorer_host $*: the simulated DVR is not in the tree"; return 1; }
  [ -s "$picture" ] || { echo "no picture at $picture"; return 1; }
  echo "picture: $picture"
}
run_host "$pictures/explorer_host.png" || exit 1
run_host "$pictures/explorer_host_camera_explorer.png" --camera-explorer || exit 1
