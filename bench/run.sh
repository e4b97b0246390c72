#!/usr/bin/env bash
# Runs every benchmark of a build and prints one table of figures against their baselines.
set -euo pipefail
build=${1:-build}
bindir="$build/bench/bin"
[ -d "$bindir" ] || { echo "no benchmarks built in $bindir" >&2; exit 1; }
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
for exe in "$bindir"/bench_*; do
    [ -x "$exe" ] || continue
    echo "running $(basename "$exe") ..." >&2
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$exe" | grep '^ROW' >>"$rows" || {
        echo "$(basename "$exe") failed" >&2; exit 1; }
done
awk -F'\t' '
BEGIN { printf "%-48s %14s   %-40s %14s  %-8s %9s\n", "figure", "value", "baseline (same run)", "value", "unit", "ratio";
        for (i = 0; i < 140; i++) printf "-"; printf "\n" }
{ ratio = ($5 != 0) ? $3 / $5 : 0;
  printf "%-48s %14.4g   %-40s %14.4g  %-8s %9.3f\n", $2, $3, $4, $5, $6, ratio }' "$rows"
