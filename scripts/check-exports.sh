#!/usr/bin/env bash
# A shared library of the suite exports only its own namespace: lists every
# function or variable the library exports outside <namespace>:: (with the
# type information and tables the compiler makes for its classes); exit
# status 1 when any.
# Usage: check-exports.sh <library> <namespace>
set -u
lib=${1:?usage: check-exports.sh LIBRARY NAMESPACE}
ns=${2:?usage: check-exports.sh LIBRARY NAMESPACE}
[ -f "$lib" ] || { echo "check-exports: no library $lib" >&2; exit 2; }

# Exported definitions (nm -D: the dynamic symbol table); names starting
# with '_' belong to the toolchain.
outside=$(nm -D --defined-only -C "$lib" | awk '$2 ~ /^[TDBRVWu]$/' | cut -d' ' -f3- | grep -v '^_' \
  | sed -E 's/^(typeinfo name for|typeinfo for|vtable for|VTT for|construction vtable for) //' \
  | grep -v -E "^(${ns}::|[^(]* ${ns}::)" || true)
if [ -n "$outside" ]; then
  echo "$(basename "$lib") exports names outside ${ns}::"
  sed 's/^/  /' <<<"$outside"
  exit 1
fi
echo "$(basename "$lib") exports only ${ns}::"
