#!/usr/bin/env bash
# Compile check of the Windows-only code for 32-bit Windows with Debian's MinGW-w64 cross compiler.
# Objects only; nothing is linked.
#
#   check.sh <source-dir> <work-dir> <qt-include-dir> [file.cpp ...]
#
# The files given are compiled to objects. In addition, found at run time so that new files are covered:
# every app/**/*_win.cpp is compiled with -fsyntax-only and every app/resources/*.rc is run through windres.
# Export macros of the project's libraries resolve to dllexport through stand-in headers made here.
set -euo pipefail

src=$(cd "$1" && pwd)
work=$2
qtinc=$3
shift 3

cxx=${WINCHECK_CXX:-i686-w64-mingw32-g++}
windres=${WINCHECK_WINDRES:-i686-w64-mingw32-windres}
for tool in "$cxx" "$windres"; do
    command -v "$tool" >/dev/null || { echo "wincheck: $tool not found (Debian package g++-mingw-w64-i686)" >&2; exit 1; }
done

rm -rf "$work"
mkdir -p "$work/include" "$work/obj"

# <lower>_export.h for every camdesk_library(<Name> ...), as a Windows build of that library sees it.
grep -rhoE --include=CMakeLists.txt 'camdesk_library\([A-Za-z0-9_]+' "$src" | sed 's/camdesk_library(//' | sort -u |
while read -r lib; do
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$lib")
    upper=$(tr '[:lower:]' '[:upper:]' <<<"$lib")
    mkdir -p "$work/include/$lower"
    cat >"$work/include/$lower/${lower}_export.h" <<HDR
#pragma once
#define ${upper}_EXPORT __declspec(dllexport)
#define ${upper}_NO_EXPORT
#define ${upper}_DEPRECATED __attribute__((__deprecated__))
#define ${upper}_DEPRECATED_EXPORT ${upper}_EXPORT ${upper}_DEPRECATED
#define ${upper}_DEPRECATED_NO_EXPORT ${upper}_NO_EXPORT ${upper}_DEPRECATED
HDR
done

flags=(-std=c++17 -Wall -Wextra -Werror -DUNICODE -D_UNICODE -DQT_NO_DEBUG -I"$work/include")
# Qt's headers were configured for Linux; as system headers their dllimport attribute warnings stay out.
for module in "" QtCore QtGui QtWidgets QtSerialPort QtNetwork; do
    [ -d "$qtinc/$module" ] && flags+=(-isystem "$qtinc/$module")
done
# Libraries' headers are included by their folder's name (<lensfeed/lensfeed.h>); the program's own
# folders include their neighbours' headers by name.
flags+=(-I"$src" -I"$src/libs" -I"$src/tools")
if [ -d "$src/app" ]; then
    while IFS= read -r dir; do
        flags+=(-I"$dir")
    done < <(find "$src/app" -name '*.h' -printf '%h\n' | sort -u)
fi

failed=0
n=0
for file in "$@"; do
    n=$((n + 1))
    obj="$work/obj/$n-$(basename "${file%.cpp}").o"
    if "$cxx" "${flags[@]}" -c "$file" -o "$obj"; then
        echo "wincheck: ok      ${file#"$src"/}"
    else
        echo "wincheck: FAILED  ${file#"$src"/}" >&2
        failed=1
    fi
done

mapfile -t winsources < <(cd "$src" && find app -name '*_win.cpp' 2>/dev/null | sort)
if [ ${#winsources[@]} -eq 0 ]; then
    echo "wincheck: no app/**/*_win.cpp yet, skipped"
fi
for file in "${winsources[@]}"; do
    if "$cxx" "${flags[@]}" -fsyntax-only "$src/$file"; then
        echo "wincheck: ok      $file"
    else
        echo "wincheck: FAILED  $file" >&2
        failed=1
    fi
done

mapfile -t resources < <(cd "$src" && find app/resources -maxdepth 1 -name '*.rc' 2>/dev/null | sort)
if [ ${#resources[@]} -eq 0 ]; then
    echo "wincheck: no app/resources/*.rc yet, skipped"
fi
for file in "${resources[@]}"; do
    # The script names its icon and manifest relative to its own folder.
    if (cd "$src/$(dirname "$file")" && "$windres" --input "$(basename "$file")" --output "$work/obj/$(basename "$file").res" --output-format=coff); then
        echo "wincheck: ok      $file"
    else
        echo "wincheck: FAILED  $file" >&2
        failed=1
    fi
done

exit $failed
