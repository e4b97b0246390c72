#!/usr/bin/env bash
# winrun.sh WIN_BUILD_DIR [COMMAND...]: runs COMMAND (default: camdesk.exe, in its folder) with the 32-bit Wine
# of wine32.sh and the Windows build's own prefix, WIN_BUILD_DIR/wine/prefix, made on first use; on a virtual
# X server when there is no display or WINRUN_XVFB=1.
set -euo pipefail
win=$(cd "$1" && pwd)
shift
[ $# -gt 0 ] || set -- sh -c "cd '$win/bin' && exec wine camdesk.exe"
root=$("$(dirname "$0")/wine32.sh")
mkdir -p "$win/wine/bin"
# wine and wineserver on PATH are the unpacked ones, on its libraries and the machine's C library.
for tool in wine wineserver; do
    printf '#!/bin/sh\nexec "%s" "$@"\n' "$root/usr/lib/wine/$tool" >"$win/wine/bin/$tool"
    chmod +x "$win/wine/bin/$tool"
done
export PATH=$win/wine/bin:$PATH LD_LIBRARY_PATH=$root/usr/lib/i386-linux-gnu:$root/lib/i386-linux-gnu
export WINEPREFIX=$win/wine/prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# The Windows Qt picks its own platform; the Linux tests' offscreen one is not in the folder.
unset QT_QPA_PLATFORM
# No Mono, Gecko or desktop menu entries from a prefix that only runs camdesk.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb=
if [ -z "${DISPLAY:-}" ] || [ "${WINRUN_XVFB:-}" = 1 ]; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$win/wine/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$win/wine/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$win/wine/display")
fi
# The prefix's own wineserver goes with the run; nothing else of Wine is touched.
trap 'wineserver -k 2>/dev/null || true; [ -z "$xvfb" ] || kill $xvfb 2>/dev/null || true' EXIT
[ -d "$WINEPREFIX/drive_c" ] || wine wineboot -i >/dev/null 2>&1
"$@"
