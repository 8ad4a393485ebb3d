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

# A short run of the database fuzzer when clang is there (clang and libclang-rt-14-dev are
# optional Debian packages; without them this step is skipped).
if command -v clang++ >/dev/null; then
    scripts/fuzz.sh database 20
fi
