#!/usr/bin/env bash
# Usage: scripts/concurrent-imports.sh [ROUNDS] [BUILD_DIR]
# Starts two orbivane-cli imports into one database file at the same moment, ROUNDS times (30 by
# default): each adds a satellite of its own. Every round both must exit 0 and both satellites
# must be in the file. Prints "N of ROUNDS rounds kept both changes" and exits non-zero when a
# round lost one.
set -uo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-30}
build=${2:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo || exit 2
cmake --build "$build" -j2 --target orbivane-cli orbivane-sampledb >/dev/null || exit 2
cli=$build/src/orbivane-cli
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_DATA_HOME=$dir/data XDG_CONFIG_HOME=$dir/config # the backups of this run stay here
printf 'Satellite,Position (deg E),Frequency (MHz),Symbol rate (kS/s),Polarisation\r\nFIRST SAT,1.1,11000,27500,Hori\r\n' >"$dir/one.csv"
printf 'Satellite,Position (deg E),Frequency (MHz),Symbol rate (kS/s),Polarisation\r\nSECOND SAT,2.2,12000,27500,Vert\r\n' >"$dir/two.csv"
kept=0
for ((i = 1; i <= rounds; i++)); do
    "$build/tools/sampledb/orbivane-sampledb" --seed "$i" "$dir/db.bin" >/dev/null || exit 2
    "$cli" import "$dir/db.bin" "$dir/one.csv" >/dev/null 2>"$dir/one.err" &
    first=$!
    "$cli" import "$dir/db.bin" "$dir/two.csv" >/dev/null 2>"$dir/two.err" &
    second=$!
    wait $first; a=$?
    wait $second; b=$?
    info=$("$cli" info "$dir/db.bin")
    if [ $a = 0 ] && [ $b = 0 ] && grep -q 'FIRST SAT' <<<"$info" && grep -q 'SECOND SAT' <<<"$info"; then
        kept=$((kept + 1))
    else
        echo "round $i: exits $a $b; $(grep -c 'FIRST SAT\|SECOND SAT' <<<"$info") of 2 satellites in the file" >&2
        cat "$dir/one.err" "$dir/two.err" >&2
    fi
done
echo "$kept of $rounds rounds kept both changes"
[ "$kept" = "$rounds" ]
