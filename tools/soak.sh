#!/bin/sh
# Soak run: frames from the camera simulator through LensFeed; fails on lost frames, failed replies or
# memory growth. Usage: tools/soak.sh <build-dir>; SOAK_FRAMES sets the number of frames (100000).
set -eu
build=${1:-build}
bin="$build/bin/km420-soak"
if [ ! -x "$bin" ]; then
    echo "soak: $bin is not built (it needs LensFeed)" >&2
    exit 1
fi
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$bin" --frames "${SOAK_FRAMES:-100000}"
