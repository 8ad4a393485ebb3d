#!/usr/bin/env bash
# Builds Orbivane and runs every test, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the static checks. Non-zero exit on any failure.
# ORBIVANE_QUICK=1 runs only the first pass (for a quick local check).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
orbivane_install_deps clang-tidy

jobs=$(nproc)
echo "== Build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
# The tests that open serial lines, or save into folders that take no new file, run as an ordinary
# account when we are root: root would hide permission and exclusive-open faults. The sanitizer
# pass below runs them as root.
line_tests=(tst_comport tst_portdiagnosis tst_frame tst_transferworker tst_transferdlg tst_meterdlg tst_cli tst_dbfile)
if [ "$(id -u)" = 0 ]; then
    (cd build && ctest --output-on-failure -j"$jobs" -E "^($(IFS='|'; echo "${line_tests[*]}"))\$")
    scripts/as-user-tests.sh build "${line_tests[@]}"
else
    (cd build && ctest --output-on-failure -j"$jobs")
fi

[ "${ORBIVANE_QUICK:-0}" = 1 ] && exit 0

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORBIVANE_SANITIZE=ON
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
(cd build-asan && ctest --output-on-failure -j"$jobs")
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== Fuzzing"
# A short run of every fuzz target when clang is there (clang and libclang-rt-14-dev are
# optional Debian packages; without them this step is skipped).
if command -v clang++ >/dev/null; then
    scripts/fuzz.sh 20
fi

echo "== Static checks"
scripts/tidy.sh build
