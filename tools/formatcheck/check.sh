#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it with the repository's
# .clang-format. `make format` rewrites the files; this only looks.
#
#   check.sh [source-dir]
set -euo pipefail

src=$(cd "${1:-.}" && pwd)
cf=${CLANG_FORMAT:-clang-format}
command -v "$cf" >/dev/null || { echo "formatcheck: $cf not found (Debian package clang-format)" >&2; exit 1; }
cd "$src"
# The files under version control; an unpacked source tree without git is searched instead, build folders left out.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 "$cf" --dry-run -Werror
else
    find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 "$cf" --dry-run -Werror
fi
echo "formatcheck: every file is formatted"
