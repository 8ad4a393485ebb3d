#!/usr/bin/env bash
# Builds Orbivane (Release) and starts it.
#   ./run.sh          the program, with the serial ports of this machine
#   ./run.sh --demo   also an emulated meter as COM1; settings, backups and logs in a temporary folder
#   ./run.sh --build  only builds (build-release/src/orbivane, orbivane-cli, the tools)
#   ./run.sh --package  builds the Debian package build-release/orbivane_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
orbivane_install_deps

demo=0
package=0
build_only=0
case "${1:-}" in
    --demo) demo=1 ;;
    --package) package=1 ;;
    --build) build_only=1 ;;
    "") ;;
    *) echo "usage: ./run.sh [--demo | --build | --package]" >&2; exit 2 ;;
esac

# Only what runs here: the tests and benchmarks are ./test.sh's.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
bin=$PWD/build-release
[ "$build_only" -eq 0 ] || exit 0
if [ "$package" -eq 1 ]; then
    orbivane_install_deps dpkg-dev # dpkg-shlibdeps works out the package's dependencies
    (cd "$bin" && cpack -G DEB)
    exit 0
fi
if [ "$demo" -eq 1 ]; then
    tmp=$(mktemp -d)
    sim_pid=
    cleanup() {
        if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
        rm -rf "$tmp"
    }
    trap cleanup EXIT
    # The emulated meter holds a realistic database, so "Read parameters" gives a file to edit.
    "$bin/tools/sampledb/orbivane-sampledb" --seed 1 "$tmp/meter-database.bin" >/dev/null
    "$bin/tools/metersim/orbivane-metersim" --link "$tmp/com1" --image "$tmp/meter-database.bin" >/dev/null &
    sim_pid=$!
    for _ in $(seq 100); do [ -e "$tmp/com1" ] && break; sleep 0.05; done
    # The demo's settings, backups and logs live and die with it; the user's own stay as they
    # were, and so does the desktop's look (theme, fonts, icons come from the usual folders).
    export ORBIVANE_HOME="$tmp/home"
    export ORBIVANE_COM1="$tmp/com1"
    echo "Demo: an emulated meter is COM1 ($(readlink "$tmp/com1"))."
    "$bin/tools/metersim/orbivane-metersim" --write-update "$tmp/update.bin" \
        && echo "Demo: a software file to load is $tmp/update.bin"
    "$bin/src/orbivane"
else
    exec "$bin/src/orbivane"
fi
