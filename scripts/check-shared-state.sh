#!/usr/bin/env bash
# Process-wide state lives only in the platform's shared libraries: code that
# holds it must not be linked into a program and into one of those libraries
# too, or the process gets two copies of it (two fault hooks, two handle
# tables). Lists every function or variable that a program and a
# libplatform_* library (or two of those libraries) both define, from the
# objects and static libraries each one is linked from; exit status 1 when any.
# Usage: check-shared-state.sh <build folder> [program...]   (default: Setup)
set -u
build=${1:?usage: check-shared-state.sh BUILD_DIR [PROGRAM...]}
shift
programs=("$@")
[ ${#programs[@]} -eq 0 ] && programs=(Setup)

# The objects and static libraries a binary is linked from, as the build
# file lists them.
link_inputs() {
  ninja -C "$build" -t query "$1" | awk '
    /^  input:/ { on = 1; next }
    /^  outputs:/ { on = 0 }
    on { sub(/^ *(\|\|? )?/, ""); if ($0 ~ /\.(o|a)$/) print }' | sort -u
}

# What the inputs define for good: code (T), data (D, B, G, S) and constants
# (R). Inline functions and templates (W, V, u) may be everywhere, header
# constants are each file's own (lowercase), and names that start with '_'
# belong to the toolchain.
definitions() {
  local f
  link_inputs "$1" | while read -r f; do
    nm --defined-only -C "$build/$f" 2>/dev/null
  done | awk 'NF >= 3 && $2 ~ /^[TDBRGS]$/' | cut -d' ' -f3- | grep -v '^_' | sort -u
}

shopt -s nullglob
libs=()
for l in "$build"/bin/libplatform_*.so; do libs+=("bin/${l##*/}"); done
if [ ${#libs[@]} -eq 0 ]; then
  echo "check-shared-state: no libplatform_*.so in $build/bin" >&2
  exit 2
fi
targets=()
for p in "${programs[@]}"; do targets+=("bin/$p"); done
targets+=("${libs[@]}")

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for t in "${targets[@]}"; do
  definitions "$t" >"$tmp/${t##*/}"
  if [ ! -s "$tmp/${t##*/}" ]; then
    echo "check-shared-state: nothing found that $t is linked from" >&2
    exit 2
  fi
done

status=0
for ((i = 0; i < ${#targets[@]}; i++)); do
  for ((j = i + 1; j < ${#targets[@]}; j++)); do
    a=${targets[i]##*/} b=${targets[j]##*/}
    # Two programs never share a process; every pair with a library counts.
    [[ $a == lib* || $b == lib* ]] || continue
    both=$(comm -12 "$tmp/$a" "$tmp/$b")
    if [ -n "$both" ]; then
      echo "Defined in both $a and $b:"
      sed 's/^/  /' <<<"$both"
      status=1
    fi
  done
done
[ $status -eq 0 ] && echo "No function or variable is defined twice among: ${targets[*]##*/}"
exit $status
