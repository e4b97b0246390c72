#!/usr/bin/env bash
# Builds the given targets in a tree of their own with a sanitizer and runs those that are tests.
#
#   run.sh <thread|address|undefined> <build-dir> <target>...
#
# The flags go on this sub-build's command line only. A file <sanitizer>.supp next to this script, when
# present, is handed to the sanitizer as its suppressions.
set -euo pipefail

if [ $# -lt 3 ]; then
    echo "usage: $0 <thread|address|undefined> <build-dir> <target>..." >&2
    exit 2
fi
sanitizer=$1
build=$2
shift 2
targets=("$@")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$here/../.." && pwd)
supp="$here/$sanitizer.supp"

case $sanitizer in
thread)
    flags="-fsanitize=thread"
    link="-fsanitize=thread"
    options="halt_on_error=1 second_deadlock_stack=1"
    [ -f "$supp" ] && options+=" suppressions=$supp"
    export TSAN_OPTIONS="$options${TSAN_OPTIONS:+ $TSAN_OPTIONS}"
    ;;
address)
    flags="-fsanitize=address"
    link="-fsanitize=address"
    options="halt_on_error=1:detect_stack_use_after_return=1"
    [ -f "$supp" ] && export LSAN_OPTIONS="suppressions=$supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export ASAN_OPTIONS="$options${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    ;;
undefined)
    flags="-fsanitize=undefined -fno-sanitize-recover=undefined"
    link="-fsanitize=undefined"
    options="halt_on_error=1:print_stacktrace=1"
    [ -f "$supp" ] && options+=":suppressions=$supp"
    export UBSAN_OPTIONS="$options${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
    ;;
*)
    echo "unknown sanitizer: $sanitizer" >&2
    exit 2
    ;;
esac
flags+=" -g -O1 -fno-omit-frame-pointer"

# Warnings are the main build's business; here only the sanitizer's findings count.
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE= -DCAMDESK_WERROR=OFF \
    "-DCMAKE_CXX_FLAGS=$flags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$link" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$link" >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" -j "${SANITIZE_JOBS:-2}" --target "${targets[@]}"

pattern=$(IFS='|'; echo "^(${targets[*]})\$")
cd "$build"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest -R "$pattern" --output-on-failure --no-tests=error
