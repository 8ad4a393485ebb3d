#!/usr/bin/env bash
# Builds Orbivane once with AddressSanitizer and UndefinedBehaviorSanitizer (optimised, as the
# release build is) and runs every test in it; then the fuzz targets and the static checks side by
# side (each fuzz run keeps one core busy). Non-zero exit on any failure.
# ORBIVANE_QUICK=1 instead builds without the sanitizers (build/) and runs the tests only, for a
# quick local check.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
orbivane_install_deps clang-tidy

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

echo "== Build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIVANE_SANITIZE=ON -DBUILD_TESTING=ON
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
run_tests build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== Fuzzing and static checks"
# A short run of every fuzz target when clang is there (clang and libclang-rt-14-dev are
# optional Debian packages; without them fuzzing is skipped). clang-tidy checks the sources
# meanwhile, and the fuzz targets once their build is configured.
tidy_log=build-asan/tidy-run.log
ORBIVANE_TIDY_PARTS=sources scripts/tidy.sh build-asan > "$tidy_log" 2>&1 &
tidy_pid=$!
fuzz_rc=0
if command -v clang++ >/dev/null; then
    scripts/fuzz.sh 20 || fuzz_rc=$?
fi
tidy_rc=0
wait "$tidy_pid" || tidy_rc=$?
cat "$tidy_log"
if [ "$tidy_rc" = 0 ]; then
    ORBIVANE_TIDY_PARTS=fuzz scripts/tidy.sh build-asan || tidy_rc=$?
fi
[ "$fuzz_rc" = 0 ] && [ "$tidy_rc" = 0 ]
