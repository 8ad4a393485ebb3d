#!/usr/bin/env bash
# The window's own dialogs and message boxes under a real window manager (Xvfb and openbox):
# the main window is always on top, so each of them must be transient for it (or for the dialog
# that opened it) and stacked above it, or the main window would cover it.
#   scripts/wm-check.sh [BUILD_DIR]    (default build-release, as ./run.sh builds it)
# Prints one line per check and exits non-zero on the first that fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build-release}")
. scripts/deps.sh
orbivane_install_deps xvfb openbox x11-utils xdotool
for f in src/orbivane tools/metersim/orbivane-metersim tools/sampledb/orbivane-sampledb; do
    [ -x "$bin/$f" ] || { echo "wm-check: $bin/$f is not built" >&2; exit 2; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a command for up to 10 s.
await() {
    local i
    for i in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
    return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
pids+=($!)
await test -s "$tmp/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$tmp/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
await xprop -root -notype _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"
await sh -c 'xprop -root -notype _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
echo "ok: Xvfb on $DISPLAY with openbox"

# A meter on COM1, and a copy of the program with no help.pdf near it nor in the working folder,
# so that Help > Manual answers with a box.
"$bin/tools/sampledb/orbivane-sampledb" --seed 1 "$tmp/db.bin" >/dev/null
"$bin/tools/metersim/orbivane-metersim" --link "$tmp/com1" --image "$tmp/db.bin" >/dev/null &
pids+=($!)
await test -e "$tmp/com1" || fail "the meter emulator did not start"
mkdir "$tmp/bin" "$tmp/work"
cp "$bin/src/orbivane" "$tmp/bin/"
(
    cd "$tmp/work"
    unset QT_QPA_PLATFORMTHEME
    ORBIVANE_HOME="$tmp/home" ORBIVANE_COM1="$tmp/com1" QT_QPA_PLATFORM=xcb exec "$tmp/bin/orbivane"
) >"$tmp/orbivane.log" 2>&1 &
pids+=($!)

# The visible window with exactly this title, as 0x... (the newest when there are several).
window() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
    [ -n "$id" ] && printf '0x%x\n' "$id"
}
wait_window() { await window "$1" || fail "no window \"$1\" came up"; window "$1"; }
transient_for() { xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p'; }
# Position in the window manager's stacking list, bottom first.
stack_pos() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ' ' | tr ',' '\n' \
        | awk -v w="$1" '$0 == w { print NR; exit }'
}
press() { xdotool windowactivate --sync "$(printf '%d' "$1")" 2>/dev/null || true; sleep 0.2; xdotool key "${@:2}"; }

# Checks that a window came up transient for its owner and stands above the main window.
check_owned() { # title owner-window what
    local w t
    w=$(wait_window "$1")
    sleep 0.3 # let the window manager place it
    t=$(transient_for "$w")
    [ "$t" = "$2" ] || fail "$3 \"$1\" ($w) is transient for ${t:-nothing}, not $2"
    [ "$(stack_pos "$w")" -gt "$(stack_pos "$main")" ] || fail "$3 \"$1\" is stacked below the main window"
    echo "ok: $3 \"$1\" is transient for $2 and above the main window" >&2
    echo "$w"
}

box=$(wait_window Orbivane) # "succeed connecting com1", before the main window shows
press "$box" Return
main=$(wait_window Meterdesk)
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the main window is not always on top"
echo "ok: the main window $main is always on top"

press "$main" alt+h m # Help > Manual: "Can not find help.pdf"
w=$(check_owned Attention "$main" "message box")
press "$w" Return

press "$main" alt+h a
w=$(check_owned "About Orbivane" "$main" "dialog")
press "$w" Return

press "$main" alt+r # Read parameters: the file chooser, the transfer dialog and its result box
w=$(check_owned "Save As" "$main" "file chooser")
press "$w" ctrl+a
xdotool type "$tmp/read.bin"
xdotool key Return
transfer=$(wait_window "transfering data")
[ "$(transient_for "$transfer")" = "$main" ] || fail "the transfer dialog is not transient for the main window"
echo "ok: dialog \"transfering data\" is transient for $main"
w=$(check_owned Warnning "$transfer" "message box")
[ "$(stack_pos "$w")" -gt "$(stack_pos "$transfer")" ] || fail "the result box is below the transfer dialog"
press "$w" Return
await test -s "$tmp/read.bin" || fail "the read wrote no file"
echo "wm-check: all windows stand above the main window"
