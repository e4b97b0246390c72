#!/usr/bin/env bash
# Cross-builds the 32-bit Windows program folder: build.sh HOST_BUILD_DIR WIN_BUILD_DIR [JOBS]
# -> WIN_BUILD_DIR/bin. The Linux build in HOST_BUILD_DIR sets the manuals. Exits 77 when no Qt kit is found.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
host=$1
win=$2
jobs=${3:-2}

kit=$("$here/kit.sh")
# Only the manuals of the Linux build: its host tool sets them.
cmake --build "$host" --target manual -j "$jobs"

if [ ! -f "$win/CMakeCache.txt" ] || ! grep -qx "CAMDESK_WIN_KIT:PATH=$kit" "$win/CMakeCache.txt"; then
    # The kit lacks the translation tools and Qt's catalogues; Debian's are the same on every platform.
    cmake -S "$repo" -B "$win" \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake" -DCAMDESK_WIN_KIT="$kit" \
        -DCMAKE_BUILD_TYPE=Release -DCAMDESK_WERROR="${WERROR:-ON}" \
        -DCAMDESK_BUILD_TESTS=OFF -DCAMDESK_BUILD_TOOLS=OFF \
        -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools \
        -DCAMDESK_QT_TRANSLATIONS=/usr/share/qt5/translations \
        -DCAMDESK_MANUAL_DIR="$(cd "$host" && pwd)/bin"
fi
cmake --build "$win" --target windows_tree -j "$jobs"
echo "windows: program folder in $win/bin"
