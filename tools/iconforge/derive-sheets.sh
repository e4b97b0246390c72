#!/usr/bin/env bash
# Derives the three alternative style sheets from black.css by swapping its colours, so that all
# four keep the same rules. Usage: derive-sheets.sh <folder holding black.css>
set -euo pipefail
dir=${1:?usage: derive-sheets.sh <folder holding black.css>}
black="$dir/black.css"

# derive <name> <description> <old=new>...
# The swaps run in the given order, so a colour that is both a target and a source is swapped first.
derive() {
    local name=$1 description=$2
    shift 2
    local script="1s|^/\\*.*\\*/\$|/* camdesk $description; the same rules as black.css. */|"
    for pair in "$@"; do
        script+=";s|${pair%%=*}|${pair#*=}|g"
    done
    sed -e "$script" "$black" >"$dir/$name.css"
}

derive blue "blue theme, accent #3A8EE6" \
    '#2B2B2B=#1F2A38' '#4D4D4D=#3A5070' '#292929=#1C2838' '#636363=#4A6A90' '#DC5000=#3A8EE6' \
    '#1E1E1E=#141C26' '#232323=#18212C' '#333333=#25344A' '#1C1C1C=#121A24' '#3A3A3A=#2C3E56' \
    '#262626=#1A2430' '#2A2A2A=#1D2734' '#7A3A10=#1E4A7A' '#4A4A4A=#34465E'

derive blue2 "dark grey theme with a blue accent #2F7FD0" \
    '#DC5000=#2F7FD0' '#7A3A10=#1C4C7C'

derive gray "grey theme, accent #E08A00" \
    '#2B2B2B=#3C3C3C' '#4D4D4D=#6A6A6A' '#292929=#474747' '#636363=#7A7A7A' '#DC5000=#E08A00' \
    '#333333=#444444' '#1E1E1E=#2E2E2E' '#232323=#333333' '#1C1C1C=#303030' '#3A3A3A=#555555' \
    '#262626=#363636' '#2A2A2A=#393939' '#7A3A10=#7A5010' '#4A4A4A=#5A5A5A'
