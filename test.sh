#!/usr/bin/env bash
# Builds Orbivane once with AddressSanitizer and UndefinedBehaviorSanitizer (the code under test
# optimised, as the release build is) and runs every test in it. Meanwhile, at the lowest
# priority so that the tests keep their pace, clang-tidy checks the sources, then the fuzz
# targets are built and each run for 20 seconds. Non-zero exit on any failure.
# ORBIVANE_QUICK=1 instead builds without the sanitizers (build/) and runs the tests only, for a
# quick local check.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
if [ "${ORBIVANE_QUICK:-0}" = 1 ]; then
    orbivane_install_deps
else
    # clang compiles the sanitizer build in less than half of GCC's time, and builds the fuzz
    # targets.
    orbivane_install_deps clang-tidy clang libclang-rt-14-dev
fi

jobs=$(nproc)
# The tests that open serial lines, or save into folders that take no new file, run as an ordinary
# account too when we are root: root would hide permission and exclusive-open faults.
line_tests=(tst_comport tst_portdiagnosis tst_frame tst_transferworker tst_transferdlg tst_meterdlg tst_cli tst_dbfile)
run_tests() { # BUILD_DIR
    (cd "$1" && ctest --output-on-failure -j"$jobs")
    if [ "$(id -u)" = 0 ]; then
        scripts/as-user-tests.sh "$1" "${line_tests[@]}"
    fi
}

if [ "${ORBIVANE_QUICK:-0}" = 1 ]; then
    echo "== Build and tests"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
    cmake --build build -j"$jobs"
    run_tests build
    exit 0
fi

compiler=()
probe=$(mktemp -d)
printf 'int main(){return 0;}\n' > "$probe/p.cpp"
if command -v clang++ >/dev/null && clang++ -fsanitize=address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
    compiler=(-DCMAKE_CXX_COMPILER=clang++)
fi
rm -rf "$probe"

echo "== Build under AddressSanitizer and UndefinedBehaviorSanitizer"
# In batches of eight files: a third less compiler time, and a third of clang-tidy's.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIVANE_SANITIZE=ON -DBUILD_TESTING=ON -DORBIVANE_UNITY=ON \
      "${compiler[@]}"
cmake --build build-asan -j"$jobs"

echo "== Tests, with the static checks and the fuzz targets beside them"
# clang-tidy checks the sources, then every fuzz target runs briefly when clang can build them
# (scripts/fuzz.sh says so when it cannot), one per core.
tidy_log=build-asan/tidy-run.log
fuzz_log=build-asan/fuzz-run.log
status=$(mktemp -d)
(
    rc=0
    ORBIVANE_TIDY_PARTS=sources nice -n 19 scripts/tidy.sh build-asan > "$tidy_log" 2>&1 || rc=$?
    echo "$rc" > "$status/tidy"
    rc=0
    ORBIVANE_FUZZ_JOBS=$jobs nice -n 19 scripts/fuzz.sh 20 > "$fuzz_log" 2>&1 || rc=$?
    echo "$rc" > "$status/fuzz"
) &
checks_pid=$!

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
tests_rc=0
run_tests build-asan || tests_rc=$?
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

wait "$checks_pid" || true
tidy_rc=$(cat "$status/tidy" 2>/dev/null || echo 1)
fuzz_rc=$(cat "$status/fuzz" 2>/dev/null || echo 1)
rm -rf "$status"
echo "== Static checks"
cat "$tidy_log"
if [ "$tidy_rc" = 0 ]; then
    ORBIVANE_TIDY_PARTS=fuzz scripts/tidy.sh build-asan || tidy_rc=$?
fi
echo "== Fuzzing"
cat "$fuzz_log"
[ "$tests_rc" = 0 ] && [ "$fuzz_rc" = 0 ] && [ "$tidy_rc" = 0 ]
