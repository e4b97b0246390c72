#!/usr/bin/env bash
# winrun.sh WIN_BUILD_DIR [COMMAND...]: runs COMMAND (default: camdesk.exe, in its folder) with the Windows
# build's own Wine prefix, WIN_BUILD_DIR/wine/prefix, made on first use; on a virtual X server when there is no
# display or WINRUN_XVFB=1.
set -euo pipefail
win=$(cd "$1" && pwd)
shift
[ $# -gt 0 ] || set -- sh -c "cd '$win/bin' && exec wine camdesk.exe"
if ! command -v wine >/dev/null || [ ! -x /usr/lib/wine/wine ]; then
    echo "windows: no 32-bit Wine: tools/deps.sh installs wine32 after adding the i386 architecture (make deps)" >&2
    exit 1
fi

export WINEPREFIX=$win/wine/prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# No Mono, Gecko or desktop menu entries from a prefix that only runs camdesk.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$win/wine"
xvfb=
if [ -z "${DISPLAY:-}" ] || [ "${WINRUN_XVFB:-}" = 1 ]; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$win/wine/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$win/wine/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$win/wine/display")
fi
# The prefix's own wineserver goes with the run; nothing else of Wine is touched.
trap 'wineserver -k 2>/dev/null || true; [ -z "$xvfb" ] || kill $xvfb 2>/dev/null || true' EXIT
[ -d "$WINEPREFIX/drive_c" ] || wineboot -i >/dev/null 2>&1
"$@"
