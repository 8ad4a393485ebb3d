#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the project's own sources, using BUILD/compile_commands.json.
# Usage: scripts/tidy.sh [BUILD]   (default: build). Non-zero exit on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$runner" ]; then
    echo "clang-tidy not installed; static checks skipped"
    exit 0
fi
"$runner" -p "$build" -quiet -j"$(nproc)" "$PWD/(src|tools|bench|fuzz)/" > "$build/clang-tidy.log" 2>&1 || true
if grep -qE '(warning|error): ' "$build/clang-tidy.log"; then
    sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E -A3 '(warning|error): '
    echo "clang-tidy: findings above"
    exit 1
fi
echo "clang-tidy: clean"
