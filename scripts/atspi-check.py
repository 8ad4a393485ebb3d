"""Run by scripts/atspi-check.sh: starts the program and drives it over AT-SPI."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program, database = sys.argv[1], sys.argv[2]
focus = []  # what gained the focus, in order


def describe(acc):
    try:
        text = acc.queryText().getText(0, -1) if "Text" in pyatspi.listInterfaces(acc) else ""
        editable = acc.getState().contains(pyatspi.STATE_EDITABLE)
        return "%s '%s'%s%s" % (acc.getRoleName(), acc.name, " text '%s'" % text if text else "",
                               " editable" if editable else "")
    except Exception:  # the object went before it was asked
        return "gone"


def on_focus(event):
    if event.detail1:
        focus.append(describe(event.source))


def pump(seconds, until=lambda: False):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)
    return until()


def find(root, predicate):
    if root is None:
        return None
    try:
        if predicate(root):
            return root
        for i in range(root.childCount):
            found = find(root.getChildAtIndex(i), predicate)
            if found is not None:
                return found
    except Exception:
        pass
    return None


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    return find(desktop, lambda a: a.getRoleName() == "application" and a.name == "Orbivane") \
        if desktop else None


def key(sym):
    pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
proc = subprocess.Popen([program, database])
failed = []
try:
    if not pump(30, lambda: app() is not None):
        sys.exit("FAIL: the program did not appear on the accessibility bus")
    # The start-up message about the port: pressed away (OK, or Enter on whatever it offers).
    for _ in range(3):
        table = find(app(), lambda a: a.getRoleName() == "table" and a.name == "Transponders")
        if table is not None and table.getState().contains(pyatspi.STATE_SHOWING):
            break
        key(0xff0d)  # Return
        pump(3)
    table = find(app(), lambda a: a.getRoleName() == "table" and a.name == "Transponders")
    if table is None:
        sys.exit("FAIL: no table named Transponders (the file did not open?)")
    print("table:", describe(table), "%d rows x %d columns" % (table.queryTable().nRows, table.queryTable().nColumns))
    # A click on the first row's frequency (there is no window manager: the keys go where the
    # pointer is, and it stays there).
    frequency = table.queryTable().getAccessibleAt(0, 1)
    value = frequency.name
    box = frequency.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, pyatspi.MOUSE_B1C)
    pump(3, lambda: focus and focus[-1].startswith("table cell"))
    cell = focus[-1] if focus else "nothing"
    print("focus on the cell:", cell)
    del focus[:]
    key(0xffbf)  # F2: the editor
    pump(5, lambda: focus)
    pump(1)
    print("focus in the editor:", focus[-1] if focus else "nothing")
    expected = "text 'Frequency' text '%s' editable" % value
    if not focus or focus[-1] != expected:
        failed.append("editor: expected %s" % expected)
    del focus[:]
    key(0xff1b)  # Escape
    pump(5, lambda: focus and focus[-1].startswith("table cell"))
    print("focus after Escape:", focus[-1] if focus else "nothing")
    if not focus or focus[-1] != "table cell '%s' editable" % value:
        failed.append("after the edit: expected the editable cell '%s'" % value)
    if cell != "table cell '%s' editable" % value:
        failed.append("before the edit: expected the editable cell '%s'" % value)
    # The polarisation's drop-down: its list opens at once and takes the focus; told, not judged.
    polar = table.queryTable().getAccessibleAt(0, 3)
    box = polar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, pyatspi.MOUSE_B1C)
    pump(2)
    del focus[:]
    key(0xffbf)  # F2
    pump(3)
    print("drop-down opened:", focus)
    del focus[:]
    key(0xff1b)  # Escape
    pump(3)
    print("drop-down closed:", focus)
finally:
    proc.terminate()
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
for f in failed:
    print("FAIL:", f)
print("AT-SPI check:", "FAILED" if failed else "OK")
sys.exit(1 if failed else 0)
