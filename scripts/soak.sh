#!/usr/bin/env bash
# Usage: scripts/soak.sh [SEED] [BUILD_DIR]
# Builds both soaks in BUILD_DIR (build/ by default, configured if need be) and runs their long
# runs with SEED (2026 by default): 400 transfers with injected faults against the emulated
# meter, and 5000 random steps in the offline editor (20 episodes of 250, seeds SEED...). Each
# prints its figures and ends with one line "N units, seed S, T s, F faults". Exits non-zero
# when either soak found a fault. SOAK_RUNS and SOAK_STEPS change the lengths.
set -uo pipefail
cd "$(dirname "$0")/.."
seed=${1:-2026}
build=${2:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
unset QT_QPA_PLATFORMTHEME
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON || exit 2
cmake --build "$build" -j2 --target soak_transfers soak_editor || exit 2

status=0
echo "== soak_transfers --runs ${SOAK_RUNS:-400} --seed $seed"
"$build/bench/soak/soak_transfers" --runs "${SOAK_RUNS:-400}" --seed "$seed" || status=1
echo "== soak_editor --steps ${SOAK_STEPS:-5000} --seed $seed"
"$build/bench/soak/soak_editor" --steps "${SOAK_STEPS:-5000}" --seed "$seed" || status=1
exit $status
