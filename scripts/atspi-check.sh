#!/usr/bin/env bash
# The window as a screen reader meets it, over AT-SPI: under Xvfb, with a session bus and the
# accessibility bus, `orbivane FILE` opens a sample database; the focus goes to a frequency cell,
# F2 opens its editor and Escape closes it. The focus must go to an editable text named after
# the column and holding the cell's value, then back to the cell, which says it can be edited.
# Prints what AT-SPI reported; non-zero exit when it was not that.
#   scripts/atspi-check.sh [BUILD_DIR]      (default build-release, as ./run.sh --build makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
. scripts/deps.sh
orbivane_install_deps xvfb xauth dbus at-spi2-core python3-pyatspi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/tools/sampledb/orbivane-sampledb" --seed 1 "$tmp/db.bin" >/dev/null
# Settings, backups and logs in the temporary folder; Qt's bridge on without a screen reader
# having asked for it.
export ORBIVANE_HOME=$tmp/home QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    /usr/bin/python3 scripts/atspi-check.py "$build/src/orbivane" "$tmp/db.bin"
