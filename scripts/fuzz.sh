#!/usr/bin/env bash
# Usage: scripts/fuzz.sh NAME SECONDS
# Builds the libFuzzer target fuzz_NAME with clang (and AddressSanitizer/UBSan) in build-fuzz/
# and runs it for SECONDS seconds on its seed corpus. Needs clang and libclang-rt-14-dev
# (Debian packages); without them it says so and exits 0. A crash or time-out exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?usage: scripts/fuzz.sh NAME SECONDS}
seconds=${2:-20}

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found, skipping fuzz_$name"
    exit 0
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long){return 0;}\n' \
    > "$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
    echo "fuzz: clang cannot link libFuzzer (install libclang-rt-14-dev), skipping fuzz_$name"
    exit 0
fi

jobs=$(nproc)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DORBIVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$jobs" --target "fuzz_$name"

corpus=build-fuzz/corpus-$name
mkdir -p "$corpus"
# A per-target hook may add generated seeds (too big to keep in git).
if [ -x "fuzz/$name/make-seeds.sh" ]; then
    "fuzz/$name/make-seeds.sh" build-fuzz "$corpus"
fi
"build-fuzz/fuzz/$name/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -max_len=250000 -print_final_stats=1 -artifact_prefix=build-fuzz/ \
    "$corpus" "fuzz/$name/corpus"
