#!/usr/bin/env bash
# Runs clang-tidy over the project's own sources, using BUILD/compile_commands.json, and over the
# fuzz targets when build-fuzz/ has been configured (scripts/fuzz.sh does that).
# Usage: scripts/tidy.sh [--all] [BUILD]   (default: build)
# Without --all it runs the checks below that have found faults in this code, which take a
# fraction of the time; --all runs every check of .clang-tidy. ORBIVANE_TIDY_TESTS=1 checks tests/
# as well. ORBIVANE_TIDY_PARTS="sources fuzz" (the default) picks what is checked. Non-zero exit
# on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
checks=(-checks='-*,bugprone-branch-clone,bugprone-dangling-handle,bugprone-infinite-loop,'\
'bugprone-integer-division,bugprone-misplaced-widening-cast,bugprone-suspicious-memset-usage,'\
'bugprone-undefined-memory-manipulation,bugprone-unused-raii,bugprone-unused-return-value,'\
'bugprone-use-after-move,performance-inefficient-vector-operation,performance-move-const-arg,'\
'performance-no-automatic-move,performance-unnecessary-copy-initialization,'\
'performance-unnecessary-value-param,modernize-use-emplace,modernize-use-override')
if [ "${1:-}" = --all ]; then
    checks=()
    shift
fi
build=${1:-build}
parts=${ORBIVANE_TIDY_PARTS:-sources fuzz}
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$runner" ]; then
    echo "clang-tidy not installed; static checks skipped"
    exit 0
fi
dirs='src|tools|bench'
[ "${ORBIVANE_TIDY_TESTS:-0}" = 1 ] && dirs="$dirs|tests"
log=$build/clang-tidy.log
: > "$log"
# The builds precompile Qt's headers with their own compiler; clang-tidy parses each file (or
# batch) whole, which also shows a file that builds only because the precompiled header holds
# what it misses.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
tidy() { # BUILD_DIR SOURCE_REGEX
    mkdir -p "$db/$1"
    sed -E -e 's# -Winvalid-pch -include [^ ]*cmake_pch\.hxx##g' \
           -e 's# -Xclang -include-pch -Xclang [^ ]*cmake_pch\.hxx\.pch -Xclang -include -Xclang [^ ]*cmake_pch\.hxx##g' \
        "$1/compile_commands.json" > "$db/$1/compile_commands.json"
    "$runner" -p "$db/$1" -quiet -j"$(nproc)" "${checks[@]}" -header-filter="$headers" "$2" >> "$log" 2>&1 || true
}
# A unity build (-DORBIVANE_UNITY=ON) lists its batches, not the files in them: each batch is
# checked, and what is found in one of its files is told at that file's own line.
headers='(src|tools|tests|bench|fuzz)/.*\.(h|cpp)$'
[[ " $parts " = *" sources "* ]] && tidy "$build" "$PWD/($dirs)/|$(cd "$build" && pwd)/($dirs)/CMakeFiles/[^/]*/Unity/"
if [[ " $parts " = *" fuzz "* ]] && [ -f build-fuzz/compile_commands.json ]; then
    tidy build-fuzz "$PWD/fuzz/"
fi
if grep -qE '(warning|error): ' "$log"; then
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E -A3 '(warning|error): '
    echo "clang-tidy: findings above"
    exit 1
fi
echo "clang-tidy: clean"
