#!/usr/bin/env bash
# Builds Orbivane and runs every test. Non-zero exit on any failure.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
orbivane_install_deps

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
