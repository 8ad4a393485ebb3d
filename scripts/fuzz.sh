#!/usr/bin/env bash
# Usage: scripts/fuzz.sh SECONDS [NAME...]
# Builds the libFuzzer targets fuzz_NAME (all of fuzz/*/ when no name is given) with clang,
# AddressSanitizer and UBSan in build-fuzz/, runs each for SECONDS seconds on its seed corpus
# plus what earlier runs found (build-fuzz/corpus-NAME), and prints per target the executions,
# their rate per second of wall time and per second of the target's own CPU time (what a busy
# machine does not change), the coverage (edges and features) and the findings. A target under
# 1000 executions per CPU second is named in a warning. Findings are kept in
# build-fuzz/findings-NAME/, each run again with full stacks into build-fuzz/fuzz-NAME.log.
# Needs clang and libclang-rt-14-dev (Debian packages); without them it says so and exits 0.
# Any finding (crash, leak, time-out, out of memory) exits non-zero. ORBIVANE_FUZZ_JOBS=N runs N
# targets at once.
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
      -DORBIVANE_FUZZ=ON -DORBIVANE_UNITY=ON >/dev/null
cmake --build build-fuzz -j"$jobs" --target "${names[@]/#/fuzz_}"

# No allocation stacks are kept while fuzzing (every fault and leak is still found): recording
# them took a third of the time (Qt has no frame pointers, so deep stacks were noise), and even
# two frames an eighth of the archive target's. A finding is run again with full stacks for its
# report.
full_asan=detect_leaks=1:halt_on_error=1
export ASAN_OPTIONS=$full_asan:malloc_context_size=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
min_rate=1000
TIMEFORMAT='%U %S' # of the fuzzer's own user and system time
# ORBIVANE_FUZZ_JOBS targets run at once (default 1), each on a core of its own.
lanes=${ORBIVANE_FUZZ_JOBS:-1}
results=$(mktemp -d)
trap 'rm -rf "$probe" "$results"' EXIT

# Runs one target; its summary line, and whether it found something or ran slowly, go into
# $results/NAME.
run_target() { # NAME
    local name=$1
    local corpus=build-fuzz/corpus-$name findings=build-fuzz/findings-$name log=build-fuzz/fuzz-$name.log
    mkdir -p "$corpus" "$findings"
    # A per-target hook may add generated seeds (too big to keep in git).
    if [ -x "fuzz/$name/make-seeds.sh" ]; then
        "fuzz/$name/make-seeds.sh" build-fuzz "$corpus"
    fi
    local maxlen=()
    [ "$name" = database ] && maxlen=(-max_len=250000)
    local before
    before=$(find "$findings" -type f | wc -l)
    echo "== fuzz_$name for ${seconds}s"
    local rc=0
    { time "build-fuzz/fuzz/$name/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        "${maxlen[@]}" -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "fuzz/$name/corpus" > "$log" 2>&1 || rc=$?; } 2> "$log.cpu"
    local found execs rate cpu_rate cov
    found=$(( $(find "$findings" -type f | wc -l) - before ))
    [ "$rc" -ne 0 ] && [ "$found" -eq 0 ] && found=1
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cpu_rate=$(awk -v n="${execs:-0}" '{ t = $1 + $2; print (t > 0 ? int(n / t) : 0) }' "$log.cpu")
    rm -f "$log.cpu"
    # None when a seed failed before the first report.
    cov=$( (grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' "$log" || true) | tail -1 \
          | awk '{print $2" edges, "$4" features, "$6" inputs"}')
    {
        printf '%-13s %4ss %10s execs %7s/s %7s/cpu-s   %-40s findings: %s\n' "$name" "$seconds" \
            "${execs:-?}" "${rate:-?}" "$cpu_rate" "${cov:-?}" "$found"
        if [ "$found" -eq 0 ] && [ -n "$execs" ] && [ "$cpu_rate" -lt "$min_rate" ]; then
            echo "slow $name ($cpu_rate/cpu-s)"
        fi
        if [ "$found" -ne 0 ]; then echo failed; fi
    } > "$results/$name"
    if [ "$found" -ne 0 ]; then
        grep -E 'ERROR|SUMMARY|==[0-9]+==|transfer worker:|frame reception:|Test unit written' "$log" | head -20
        sed -n 's/.*Test unit written to //p' "$log" > "$log.units"
        while read -r unit; do
            echo "== $unit, again with full stacks" >> "$log"
            ASAN_OPTIONS=$full_asan "build-fuzz/fuzz/$name/fuzz_$name" -timeout=20 -rss_limit_mb=2048 \
                "$unit" >> "$log" 2>&1 || true
        done < "$log.units"
        rm -f "$log.units"
        echo "fuzz_$name: findings in $findings (log $log)"
    fi
}

running=0
for name in "${names[@]}"; do
    run_target "$name" &
    running=$((running + 1))
    if [ "$running" -ge "$lanes" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait
summary=()
slow=()
failed=0
for name in "${names[@]}"; do
    summary+=("$(head -n 1 "$results/$name")")
    while IFS= read -r line; do slow+=("$line"); done < <(sed -n 's/^slow //p' "$results/$name")
    grep -qx failed "$results/$name" && failed=1
done
echo "== Fuzzing summary"
printf '%s\n' "${summary[@]}"
if [ ${#slow[@]} -ne 0 ]; then
    echo "fuzz: WARNING: under $min_rate executions per CPU second: ${slow[*]}"
fi
exit "$failed"
