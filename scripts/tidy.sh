#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the project's own sources, using BUILD/compile_commands.json,
# and over the fuzz targets when build-fuzz/ has been configured (scripts/fuzz.sh does that).
# Usage: scripts/tidy.sh [BUILD]   (default: build). ORBIVANE_TIDY_TESTS=1 checks tests/ as well
# (four more minutes on two cores). Non-zero exit on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$runner" ]; then
    echo "clang-tidy not installed; static checks skipped"
    exit 0
fi
dirs='src|tools|bench'
[ "${ORBIVANE_TIDY_TESTS:-0}" = 1 ] && dirs="$dirs|tests"
log=$build/clang-tidy.log
"$runner" -p "$build" -quiet -j"$(nproc)" "$PWD/($dirs)/" > "$log" 2>&1 || true
if [ -f build-fuzz/compile_commands.json ]; then
    "$runner" -p build-fuzz -quiet -j"$(nproc)" "$PWD/fuzz/" >> "$log" 2>&1 || true
fi
if grep -qE '(warning|error): ' "$log"; then
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E -A3 '(warning|error): '
    echo "clang-tidy: findings above"
    exit 1
fi
echo "clang-tidy: clean"
