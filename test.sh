#!/usr/bin/env bash
# Builds Orbivane once with AddressSanitizer and UndefinedBehaviorSanitizer (the code under test
# optimised, as the release build is) and runs every test in it. Meanwhile, at the lowest
# priority so that the tests keep their pace, clang-tidy checks the sources and the fuzz targets
# are built and each run for 20 seconds. Non-zero exit on any failure.
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
# A short run of every fuzz target when clang can build them (scripts/fuzz.sh says so when it
# cannot); each run keeps one core busy while clang-tidy checks the sources on the other.
tidy_log=build-asan/tidy-run.log
fuzz_log=build-asan/fuzz-run.log
ORBIVANE_TIDY_PARTS=sources nice -n 19 scripts/tidy.sh build-asan > "$tidy_log" 2>&1 &
tidy_pid=$!
nice -n 19 scripts/fuzz.sh 20 > "$fuzz_log" 2>&1 &
fuzz_pid=$!
stop_background() { kill "$tidy_pid" "$fuzz_pid" 2>/dev/null || true; }
trap stop_background EXIT

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
tests_rc=0
run_tests build-asan || tests_rc=$?
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

fuzz_rc=0
wait "$fuzz_pid" || fuzz_rc=$?
echo "== Fuzzing"
cat "$fuzz_log"
tidy_rc=0
wait "$tidy_pid" || tidy_rc=$?
trap - EXIT
echo "== Static checks"
cat "$tidy_log"
if [ "$tidy_rc" = 0 ]; then
    ORBIVANE_TIDY_PARTS=fuzz scripts/tidy.sh build-asan || tidy_rc=$?
fi
[ "$tests_rc" = 0 ] && [ "$fuzz_rc" = 0 ] && [ "$tidy_rc" = 0 ]
