#!/usr/bin/env python3
# accessible.py APP [NAME]: a "role: name" line for each named control of APP's windows as
# AT-SPI gives them; given a NAME, presses that control instead.
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib


def controls(node, depth=0):
    yield node
    for child in node if depth < 30 else []:
        yield from controls(child, depth + 1) if child is not None else ()


for _ in range(100):  # up to 10 s for the application to show up
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == sys.argv[1]), None)
    if app is not None:
        break
    time.sleep(0.1)
if len(sys.argv) == 2:
    sys.exit(print("\n".join(f"{c.getRoleName()}: {c.name}" for c in controls(app) if c.name)))
Atspi.set_timeout(1000, -1)  # a control that opens a modal dialog answers once it closes
try:
    next(c for c in controls(app) if c.name == sys.argv[2]).queryAction().doAction(0)
except GLib.GError:
    pass
