#!/usr/bin/env bash
# The layering rules the build keeps:
#  1. the graph of targets (cmake --graphviz) has no cycle;
#  2. the device tree links no stream library, video control or page dialog;
#  3. a source folder includes only itself, the folders below it and
#     interfaces.
# Usage: check-dependencies.sh <source folder> <scratch folder> [cmake options...]
# The scratch folder gets a throwaway configuration for the graph.
set -u
src=${1:?usage: check-dependencies.sh SOURCE_DIR SCRATCH_DIR [CMAKE_OPTIONS...]}
scratch=${2:?usage: check-dependencies.sh SOURCE_DIR SCRATCH_DIR [CMAKE_OPTIONS...]}
shift 2
status=0

# Each folder's floor; a folder may include folders on lower floors only.
declare -A floor=(
  [platform]=0
  [link]=1
  [resources]=2 [sim]=2 [stream]=2
  [controls]=3 [viewer]=3 [explorer]=3
  [dialogs]=4
  [devtree]=5 [pages]=5
  [app]=6
  [examples]=7
)
# Folders of tests and tools may include any folder.
free_folders=" tests bench fuzz scripts cmake build "
# Interfaces: headers of declarations only that any folder may include. A
# module's resource ids are such a header (its tables stay in resources/).
is_interface() { [[ $1 == resources/*/Resource.h ]]; }
# The device tree never links a stream library, a video control or a page's
# sub-dialogs (target names, matched whole and without regard to case).
tree_targets='^devtree_'
tree_forbidden='^(plinto|ferrock|quenby|tessaly|morrik|video_controls|page_dialogs)$'

# 1. No cycle among the targets. tsort reports a loop in its input.
mkdir -p "$scratch"
if ! cmake -S "$src" -B "$scratch" -G Ninja -DSUITE_TESTS=OFF "$@" --graphviz="$scratch/targets.dot" \
  >"$scratch/configure.log" 2>&1; then
  echo "check-dependencies: configuring for the graph failed; see $scratch/configure.log" >&2
  exit 2
fi
edges=$(awk '
  /^ *"node[0-9]+" \[ label/ { id = $1; gsub(/"/, "", id); label = $0; sub(/.*label *= *"/, "", label);
                               sub(/".*/, "", label); name[id] = label }
  /^ *"node[0-9]+" -> "node[0-9]+"/ { from = $1; to = $3; gsub(/"/, "", from); gsub(/"/, "", to);
                                      pair[++n] = from " " to }
  END { for (i = 1; i <= n; i++) { split(pair[i], p, " "); print name[p[1]], name[p[2]] } }' \
  "$scratch/targets.dot")
if [ -z "$edges" ]; then
  echo "check-dependencies: no edges read from $scratch/targets.dot" >&2
  exit 2
fi
if ! loop=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$loop" ]; then
  echo "Targets that depend on each other in a circle:"
  sed -n 's/^tsort: //p' <<<"$loop" | grep -v 'input contains a loop' | sed 's/^/  /'
  status=1
fi

# 2. The device tree reaches none of the libraries it must not link.
declare -A seen=()
todo=$(awk -v re="$tree_targets" '$1 ~ re { print $1 }' <<<"$edges" | sort -u)
while [ -n "$todo" ]; do
  next=""
  for t in $todo; do
    [ -n "${seen[$t]+x}" ] && continue
    seen[$t]=1
    if [[ ${t,,} =~ $tree_forbidden ]]; then
      echo "The device tree links $t"
      status=1
    fi
    next+=" $(awk -v t="$t" '$1 == t { print $2 }' <<<"$edges")"
  done
  todo=$next
  [[ $todo =~ [^[:space:]] ]] || todo=""
done

# 3. No include from a folder up to a folder on its floor or above.
cd "$src" || exit 2
while IFS= read -r file; do
  top=${file%%/*}
  [[ $free_folders == *" $top "* ]] && continue
  if [ -z "${floor[$top]+x}" ]; then
    echo "$file: folder '$top' has no floor in scripts/check-dependencies.sh"
    status=1
    continue
  fi
  while IFS= read -r line; do
    target=${line#*\"}
    target=${target%%\"*}
    to=${target%%/*}
    [ "$to" = "$top" ] && continue
    [ -z "${floor[$to]+x}" ] && continue # a file beside it, not a folder of the suite
    is_interface "$target" && continue
    if [ "${floor[$to]}" -ge "${floor[$top]}" ]; then
      echo "$file includes $target: $top may include only folders below it"
      status=1
    fi
  done < <(grep -E '^\s*#\s*include\s*"' "$file")
done < <(find . \( -name build -o -name '.*' ! -name . \) -prune -o \( -name '*.h' -o -name '*.cpp' \) -printf '%P\n')
[ $status -eq 0 ] && echo "No cycle among the targets; no include reaches up."
exit $status
