#!/usr/bin/python3
"""What a screen reader learns of the running window, through AT-SPI.

  atspi.py check TABLE PAGE          the objects at the table's points for PAGE carry its names
  atspi.py announce NAME CMD...      runs CMD and waits for a name-change event that says NAME
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TWIPS_PER_PIXEL = 15
# Where the pages' frames stand in the window, in twips: the fuel pages lie below the unit list.
PAGE_ORIGIN = {"0": (120, 840), "1": (120, 840), "2": (120, 480), "3": (120, 480)}
CONTROL_ROLES = {"label", "scroll bar", "combo box", "text", "entry", "check box", "push button"}


def window():
    # The program registers on the bus a moment after its window shows.
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "rotorix":
                for child in app:
                    if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
                        return child
        time.sleep(0.1)
    sys.exit("no showing Rotorix window on the accessibility bus")


def showing(root):
    """(object, x, y, width, height) for every showing control, in window pixels."""
    origin = root.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    found = []

    def walk(obj):
        for child in obj:
            if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
                continue
            box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            found.append((child, box.x - origin.x, box.y - origin.y, box.width, box.height))
            walk(child)

    walk(root)
    return found


def at(objects, x, y):
    """The smallest control whose box holds the point."""
    hits = [o for o in objects if o[0].getRoleName() in CONTROL_ROLES
            and o[1] <= x < o[1] + o[3] and o[2] <= y < o[2] + o[4]]
    return min(hits, key=lambda o: o[3] * o[4])[0] if hits else None


def spoken(obj):
    """The name a reader gives an object: a list's label comes by relation, as Qt sets it on Linux."""
    if obj.getRoleName() == "combo box":
        for relation in obj.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
                return relation.getTarget(0).name
    return obj.name


def check(table, page):
    objects = showing(window())
    failures = 0
    rows = 0
    with open(table, encoding="utf-8") as lines:
        for line in lines:
            if not line.strip() or line.startswith("#"):
                continue
            row_page, control, parent, left, top, expected = line.rstrip("\n").split("\t")
            if row_page != page:
                continue
            rows += 1
            dx, dy = PAGE_ORIGIN[page] if parent == "page" else (0, 0)
            # A point just inside the control's top-left corner.
            x = (dx + int(left)) // TWIPS_PER_PIXEL + 3
            y = (dy + int(top)) // TWIPS_PER_PIXEL + 3
            obj = at(objects, x, y)
            name = spoken(obj) if obj else None
            if name != expected:
                failures += 1
                role = obj.getRoleName() if obj else "nothing"
                print(f"FAIL page {page} {control}: a {role} named {name!r}, not {expected!r}")
    if rows == 0:
        sys.exit(f"the table has no rows for page {page}")
    print(f"page {page}: {rows - failures} of {rows} names as expected")
    sys.exit(1 if failures else 0)


def announce(expected, command):
    loop = GLib.MainLoop()
    heard = []

    def on_change(event):
        heard.append(event.source.name)
        if event.source.name == expected:
            loop.quit()

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-name")
    GLib.idle_add(lambda: subprocess.run(command, check=True) and False)
    GLib.timeout_add_seconds(10, loop.quit)
    loop.run()
    pyatspi.Registry.deregisterEventListener(on_change, "object:property-change:accessible-name")
    if expected not in heard:
        sys.exit(f"no announcement of {expected!r}; heard {heard}")
    print(f"announced {expected!r}")


if __name__ == "__main__":
    mode = sys.argv[1] if len(sys.argv) > 1 else ""
    if mode == "check" and len(sys.argv) == 4:
        check(sys.argv[2], sys.argv[3])
    elif mode == "announce" and len(sys.argv) > 3:
        announce(sys.argv[2], sys.argv[3:])
    else:
        sys.exit(__doc__)
