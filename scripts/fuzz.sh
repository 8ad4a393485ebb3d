#!/usr/bin/env bash
# Usage: scripts/fuzz.sh SECONDS [NAME...]
# Builds the libFuzzer targets fuzz_NAME (all of fuzz/*/ when no name is given) with clang,
# AddressSanitizer and UBSan in build-fuzz/, runs each for SECONDS seconds on its seed corpus
# plus what earlier runs found (build-fuzz/corpus-NAME), and prints per target the executions,
# the coverage (edges and features) and the findings. Findings are kept in
# build-fuzz/findings-NAME/. Needs clang and libclang-rt-14-dev (Debian packages); without them
# it says so and exits 0. Any finding (crash, leak, time-out, out of memory) exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [NAME...]}
shift
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for dir in fuzz/*/; do
        [ -f "$dir/CMakeLists.txt" ] && names+=("$(basename "$dir")")
    done
fi

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found, skipping ${names[*]}"
    exit 0
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long){return 0;}\n' \
    > "$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
    echo "fuzz: clang cannot link libFuzzer (install libclang-rt-14-dev), skipping ${names[*]}"
    exit 0
fi

jobs=$(nproc)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DORBIVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$jobs" --target "${names[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
summary=()
failed=0
for name in "${names[@]}"; do
    corpus=build-fuzz/corpus-$name
    findings=build-fuzz/findings-$name
    log=build-fuzz/fuzz-$name.log
    mkdir -p "$corpus" "$findings"
    # A per-target hook may add generated seeds (too big to keep in git).
    if [ -x "fuzz/$name/make-seeds.sh" ]; then
        "fuzz/$name/make-seeds.sh" build-fuzz "$corpus"
    fi
    maxlen=()
    [ "$name" = database ] && maxlen=(-max_len=250000)
    before=$(find "$findings" -type f | wc -l)
    echo "== fuzz_$name for ${seconds}s"
    rc=0
    "build-fuzz/fuzz/$name/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        "${maxlen[@]}" -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "fuzz/$name/corpus" > "$log" 2>&1 || rc=$?
    found=$(( $(find "$findings" -type f | wc -l) - before ))
    [ "$rc" -ne 0 ] && [ "$found" -eq 0 ] && found=1
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' "$log" | tail -1 \
          | awk '{print $2" edges, "$4" features, "$6" inputs"}')
    summary+=("$(printf '%-10s %6ss %12s execs %7s/s   %-40s findings: %s' "$name" "$seconds" \
                "${execs:-?}" "${rate:-?}" "${cov:-?}" "$found")")
    if [ "$found" -ne 0 ]; then
        failed=1
        grep -E 'ERROR|SUMMARY|==[0-9]+==|transfer worker:|frame reception:|Test unit written' "$log" | head -20
        echo "fuzz_$name: findings in $findings (log $log)"
    fi
done
echo "== Fuzzing summary"
printf '%s\n' "${summary[@]}"
exit "$failed"
