#!/usr/bin/env bash
# Prints the folder of the Qt kit for 32-bit Windows: CAMDESK_WIN_KIT when set, else the team's kit in
# ../shared/winkit beside the checkout, unpacked once into a cache outside it. Exits 77 when there is neither.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

if [ -n "${CAMDESK_WIN_KIT:-}" ]; then
    if [ ! -f "$CAMDESK_WIN_KIT/lib/cmake/Qt5Widgets/Qt5WidgetsConfig.cmake" ]; then
        echo "windows: CAMDESK_WIN_KIT=$CAMDESK_WIN_KIT holds no Qt 5 kit (no lib/cmake/Qt5Widgets)" >&2
        exit 1
    fi
    (cd "$CAMDESK_WIN_KIT" && pwd)
    exit 0
fi

tarball=$(ls "$repo"/../shared/winkit/qt-5.15.*-i686-w64-mingw32.tar.xz 2>/dev/null | head -n 1 || true)
if [ -z "$tarball" ]; then
    echo "windows: no Qt kit for 32-bit Windows. Set CAMDESK_WIN_KIT to a Qt 5.15 MinGW 32-bit kit" >&2
    echo "         (see README, Windows), or place qt-5.15.<n>-i686-w64-mingw32.tar.xz in ../shared/winkit/." >&2
    exit 77
fi
name=$(basename "$tarball" .tar.xz)
version=${name#qt-}
version=${version%%-*}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/camdesk/winkit-$version
kit=$cache/$name
# A kit is taken only once it is whole: it is unpacked beside its place and moved there at the end.
if [ ! -f "$kit/.unpacked" ] || [ "$tarball" -nt "$kit/.unpacked" ]; then
    echo "windows: unpacking $tarball into $cache" >&2
    mkdir -p "$cache"
    tmp=$(mktemp -d "$cache/.unpack.XXXXXX")
    tar -xJf "$tarball" -C "$tmp"
    touch "$tmp/$name/.unpacked"
    rm -rf "$kit"
    mv "$tmp/$name" "$kit"
    rmdir "$tmp"
fi
echo "$kit"
