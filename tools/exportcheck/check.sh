#!/usr/bin/env bash
# Fails when a shared library exports a symbol that does not belong to the classes it promises.
#
#   check.sh <library> <Class> [<Class> ...]
#
# A symbol belongs to a class when it is one of its members, its vtable or type information, or a thunk
# into it. The linker's own markers (_edata, _end, ...) are allowed.
set -euo pipefail

lib=$1
shift
classes=$(IFS='|'; echo "$*")
[ -f "$lib" ] || { echo "exportcheck: no library at $lib" >&2; exit 1; }

stray=$(nm -DC --defined-only "$lib" | cut -c 20- |
    grep -v -E '^(_init|_fini|__bss_start|_edata|_end)$' |
    grep -v -E "^((non-virtual |virtual )?thunk to |vtable for |typeinfo for |typeinfo name for |VTT for )?($classes)(::|$)" || true)
if [ -n "$stray" ]; then
    echo "exportcheck: $(basename "$lib") exports more than ${*}:" >&2
    echo "$stray" >&2
    exit 1
fi
echo "exportcheck: $(basename "$lib") exports only ${*}"
