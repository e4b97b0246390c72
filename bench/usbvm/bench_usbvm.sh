#!/usr/bin/env bash
# bench_usbvm.sh BUILD_DIR GUEST_PROGRAM: boots the USB test machine, runs the program there and prints its rows.
set -uo pipefail
build=$1
rows=$build/usbvm/run/rows
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tools/usbvm/usbvm.sh" "$build" sh -c 'exec "$0" >"$1"' "$2" "$rows" >&2
status=$?
if [ "$status" -eq 77 ]; then
    echo "bench_usbvm: no row, the test machine cannot start here" >&2
    exit 77
fi
[ "$status" -eq 0 ] || exit "$status"
cat "$rows"
