# accessible.py APP: "role: name" of each named control of the running program APP.
# accessible.py APP --focus: listens for 5 s, says "listening", then tells of the first table
# cell that takes the focus: "role: name; actions: ...; in: its table's name".
import sys
import time

import pyatspi
from gi.repository import GLib


def controls(node, depth=0):
    yield node
    for child in node if depth < 30 else []:
        yield from controls(child, depth + 1) if child is not None else ()


def announce(event):
    cell = event.source
    if cell.getRoleName() != "table cell" or not event.detail1:
        return
    try:
        actions = [cell.queryAction().getName(i) for i in range(cell.queryAction().nActions)]
    except NotImplementedError:
        actions = []
    print(f"{cell.getRoleName()}: {cell.name}; actions: {','.join(actions)}; in: {cell.parent.name}")
    pyatspi.Registry.stop()


for _ in range(100):  # up to 10 s for the application to show up
    apps = pyatspi.Registry.getDesktop(0)
    if (app := next((a for a in apps if a is not None and a.name == sys.argv[1]), None)) is not None:
        break
    time.sleep(0.1)
if sys.argv[2:] == ["--focus"]:
    pyatspi.Registry.registerEventListener(announce, "object:state-changed:focused")
    GLib.timeout_add(5000, pyatspi.Registry.stop)
    GLib.idle_add(lambda: print("listening", flush=True))
    pyatspi.Registry.start()
else:
    print("\n".join(f"{c.getRoleName()}: {c.name}" for c in controls(app) if c.name))
