#!/usr/bin/env bash
# Runs every benchmark of a build and prints one table of figures against their baselines, with each row's
# goal for the ratio (when it has one) and whether this run met it.
set -euo pipefail
build=${1:-build}
bindir="$build/bench/bin"
[ -d "$bindir" ] || { echo "no benchmarks built in $bindir" >&2; exit 1; }
rows=$(mktemp)
trap 'rm -f "$rows" "$rows.one"' EXIT
for exe in "$bindir"/bench_*; do
    [ -x "$exe" ] || continue
    echo "running $(basename "$exe") ..." >&2
    # 77: the benchmark cannot run on this machine and said why; its rows are missing, not failed.
    status=0
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$exe" >"$rows.one" || status=$?
    [ "$status" -eq 77 ] && continue
    [ "$status" -eq 0 ] && grep '^ROW' "$rows.one" >>"$rows" || {
        echo "$(basename "$exe") failed" >&2; exit 1; }
done
# A goal is "<= x" or ">= x" on the ratio; anything else is shown but marked as unreadable.
awk -F'\t' '
BEGIN { printf "%-52s %12s   %-44s %12s  %-8s %9s  %-8s %s\n", "figure", "value", "baseline (same run)", "value",
               "unit", "ratio", "goal", "";
        for (i = 0; i < 165; i++) printf "-"; printf "\n" }
{ ratio = ($5 != 0) ? $3 / $5 : 0;
  goal = $7; mark = "";
  if (goal != "") {
      op = goal; sub(/[ \t]*[-+0-9.eE]+[ \t]*$/, "", op); gsub(/[ \t]/, "", op);
      limit = goal; sub(/^[ \t]*[<>]=[ \t]*/, "", limit);
      if ($5 == 0) mark = "no ratio";
      else if (op == "<=") mark = (ratio <= limit + 0) ? "met" : "missed";
      else if (op == ">=") mark = (ratio >= limit + 0) ? "met" : "missed";
      else mark = "unreadable goal";
  }
  printf "%-52s %12.4g   %-44s %12.4g  %-8s %9.4g  %-8s %s\n", $2, $3, $4, $5, $6, ratio, goal, mark }' "$rows"
