#!/usr/bin/env bash
# Builds the given targets in a tree of their own with sanitizers and runs those that are tests.
#
#   run.sh <thread|address|undefined|address,undefined> <build-dir> <target>...
#   run.sh <...> <build-dir> all
#
# With `all` the whole project is built and every test of the sub-build runs, except those labelled
# sanitize, fuzz or wincheck, which would start further sub-builds of their own, and install, whose outside
# project cannot load sanitized libraries without the sanitizer's runtime first, and usbvm, whose test
# machine starts without the sanitizer's settings, and windows, whose program is not built with them.
#
# The flags go on this sub-build's command line only; the tree is reused, so a second run is incremental.
# Suppressions, each used when present next to this script: thread.supp (ThreadSanitizer), address.supp
# (AddressSanitizer), leak.supp (LeakSanitizer, with address), undefined.supp (UndefinedBehaviorSanitizer).
# SANITIZE_SUPPRESSIONS may name further files there, without .supp: each is added to the file of the
# sanitizer its name begins with (thread-qthelpers goes with thread.supp).
#
# Reports go to files under <build-dir>/sanitizer-logs, so that one written by a child process (a test
# that starts a program of ours) is not lost with its output; any report there fails the run. (With
# address,undefined the undefined-behaviour reports go to the process's own output; it stops either way.)
set -euo pipefail

usage() {
    echo "usage: $0 <thread|address|undefined|address,undefined> <build-dir> <target>...|all" >&2
    exit 2
}
[ $# -ge 3 ] || usage
mode=$1
build=$2
shift 2
targets=("$@")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$here/../.." && pwd)
jobs=${SANITIZE_JOBS:-2}

mkdir -p "$build"
build=$(cd "$build" && pwd)
logs="$build/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"

# suppressions <name>: the option that hands <name>.supp, with the extra files for <name>, to a sanitizer,
# or nothing. A sanitizer reads one file, so they are joined into one in the sub-build.
suppressions() {
    local files=() extra
    [ -f "$here/$1.supp" ] && files+=("$here/$1.supp")
    for extra in ${SANITIZE_SUPPRESSIONS:-}; do
        [ -f "$here/$extra.supp" ] || { echo "no suppression file $here/$extra.supp" >&2; exit 2; }
        [[ $extra == "$1"-* ]] && files+=("$here/$extra.supp")
    done
    [ ${#files[@]} -gt 0 ] || return 0
    local joined="$build/$1.supp"
    for extra in "${files[@]}"; do
        cat "$extra"
        echo
    done >"$joined"
    printf 'suppressions=%s' "$joined"
}
# join <separator> <option>...: empty options are dropped.
join() {
    local sep=$1 out="" o
    shift
    for o in "$@"; do
        [ -n "$o" ] && out+="${out:+$sep}$o"
    done
    printf '%s' "$out"
}

case $mode in
thread)
    flags="-fsanitize=thread"
    supp=$(suppressions thread)
    export TSAN_OPTIONS
    TSAN_OPTIONS=$(join ' ' halt_on_error=1 second_deadlock_stack=1 history_size=7 "log_path=$logs/tsan" \
        "$supp" "${TSAN_OPTIONS:-}")
    ;;
address | undefined | address,undefined | undefined,address)
    flags="-fsanitize=$mode"
    if [[ $mode == *undefined* ]]; then
        flags+=" -fno-sanitize-recover=undefined"
        supp=$(suppressions undefined)
        export UBSAN_OPTIONS
        UBSAN_OPTIONS=$(join : halt_on_error=1 print_stacktrace=1 "log_path=$logs/ubsan" "$supp" "${UBSAN_OPTIONS:-}")
    fi
    if [[ $mode == *address* ]]; then
        # Static initialisers run in an order the linker picks; a global read before its own
        # initialiser has run is reported.
        supp=$(suppressions address)
        leak=$(suppressions leak)
        export ASAN_OPTIONS LSAN_OPTIONS
        ASAN_OPTIONS=$(join : halt_on_error=1 detect_stack_use_after_return=1 check_initialization_order=1 \
            strict_init_order=1 "log_path=$logs/asan" "$supp" "${ASAN_OPTIONS:-}")
        LSAN_OPTIONS=$(join : "$leak" print_suppressions=0 "${LSAN_OPTIONS:-}")
    fi
    ;;
*)
    usage
    ;;
esac
link=$flags
flags+=" -g -O1 -fno-omit-frame-pointer"

# Warnings are the main build's business; here only the sanitizer's findings count.
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE= -DCAMDESK_WERROR=OFF \
    "-DCMAKE_CXX_FLAGS=$flags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$link" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$link" >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log" >&2; exit 1; }

cd "$build"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
status=0
if [ "${targets[*]}" = all ]; then
    cmake --build . -j "$jobs"
    ctest -LE '^(sanitize|fuzz|wincheck|install|usbvm|windows)$' -j "$jobs" --output-on-failure --no-tests=error || status=$?
else
    cmake --build . -j "$jobs" --target "${targets[@]}"
    pattern=$(IFS='|'; echo "^(${targets[*]})\$")
    ctest -R "$pattern" --output-on-failure --no-tests=error || status=$?
fi

shopt -s nullglob
reports=("$logs"/*)
if [ ${#reports[@]} -gt 0 ]; then
    for r in "${reports[@]}"; do
        echo "==== $r" >&2
        cat "$r" >&2
    done
    echo "sanitizer reports: ${#reports[@]} (see above)" >&2
    status=1
fi
exit $status
