#!/usr/bin/env bash
# Starts the camera simulator and camdesk pointed at it. Stops the simulator when camdesk exits.
set -euo pipefail
build=${1:-build}
bindir="$(cd "$build/bin" && pwd)"
rundir=$(mktemp -d)
link="$rundir/km420"

# SIM_ARGS adds simulator options, e.g. SIM_ARGS="--ext-block foreign" for a camera whose frames
# carry no temperatures camdesk can read.
# shellcheck disable=SC2086
"$bindir/km420-sim" --link "$link" --fps 12 --palette 0 ${SIM_ARGS:-} >"$rundir/sim.out" 2>"$rundir/sim.err" &
sim=$!
cleanup() { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$rundir"; }
trap cleanup EXIT INT TERM

for _ in $(seq 50); do
    [ -e "$link" ] && break
    sleep 0.1
done
[ -e "$link" ] || { echo "the simulator did not start:" >&2; cat "$rundir/sim.err" >&2; exit 1; }
echo "camera simulator on $(head -n1 "$rundir/sim.out") (link $link)"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "no display found: running camdesk on a virtual X server (xvfb-run)" >&2
    wrap=(xvfb-run -a)
else
    wrap=()
fi

# camdesk looks for its translations relative to its working folder, as shipped.
cd "$bindir"
KM420_CAMERA_PORT="$link" "${wrap[@]}" ./camdesk
