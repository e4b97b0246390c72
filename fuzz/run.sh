#!/usr/bin/env bash
# Builds the fuzz targets in a clang tree of their own, with libFuzzer and the address and undefined-behaviour
# sanitizers, and runs each on a copy of its seed corpus.
#
#   run.sh [build-dir] [seconds|smoke]
#
# build-dir (default: build) receives fuzz-build (the sub-build), fuzz-corpus (the working copies of the seeds)
# and fuzz-artifacts (one log per target, and every input that crashed or broke a check). seconds (default 60) is
# the fuzzing time per target. smoke runs every seed once and then a short, fixed number of mutations, as the test
# suite does. A crash, a failed check or a hang fails the run. The seeds in the repository are never written.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$here/.." && pwd)
build=${1:-build}
mode=${2:-60}
mkdir -p "$build"
build=$(cd "$build" && pwd)
sub=$build/fuzz-build
work=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
cxx=${FUZZ_CXX:-clang++}

# Seed folder under fuzz/corpus and target of each fuzzer.
names=(optionsread optionsroundtrip framecheck streamcut portnames mounttable recordingread layoutprofile)

case $mode in
smoke) budget=(-runs=2000 -max_total_time=60) ;;
*[!0-9]* | '') echo "usage: $0 [build-dir] [seconds|smoke]" >&2; exit 2 ;;
*) budget=(-max_total_time="$mode") ;;
esac

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1 -fno-omit-frame-pointer"
link="-fsanitize=address,undefined"

# Warnings are the main build's business; clang sees a few in other parts of the tree.
cmake -S "$src" -B "$sub" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE= -DCAMDESK_WERROR=OFF -DCAMDESK_FUZZ=ON \
    -DCAMDESK_BUILD_TESTS=OFF -DCAMDESK_BUILD_TOOLS=OFF \
    "-DCMAKE_CXX_FLAGS=$flags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$link" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$link" \
    "-DCAMDESK_FUZZ_LINK_FLAGS=-fsanitize=fuzzer,address,undefined" >"$sub.configure.log" 2>&1 ||
    { cat "$sub.configure.log" >&2; exit 1; }
targets=("${names[@]/#/fuzz_}")
cmake --build "$sub" -j "${FUZZ_JOBS:-2}" --target "${targets[@]}"

export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

mkdir -p "$artifacts"
failed=()
for name in "${names[@]}"; do
    exe=$sub/fuzz/bin/fuzz_$name
    seeds=$here/corpus/$name
    corpus=$work/$name
    log=$artifacts/$name.log
    rm -rf "$corpus"
    mkdir -p "$corpus"
    cp "$seeds"/* "$corpus"/
    # Every seed once, each on its own, then fuzzing from the copy; crashes land beside the logs.
    if (cd "$work" && "$exe" -artifact_prefix="$artifacts/$name-" "$seeds"/* &&
        "$exe" -artifact_prefix="$artifacts/$name-" -timeout=10 -print_final_stats=1 "${budget[@]}" "$corpus") \
        >"$log" 2>&1; then
        echo "fuzz_$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" | tail -1)"
    else
        echo "fuzz_$name: FAILED (log: $log)" >&2
        tail -n 60 "$log" >&2
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing failed: ${failed[*]}; inputs in $artifacts" >&2
    exit 1
fi
