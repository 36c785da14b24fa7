import sys
import time

import pyatspi


def controls(node, depth=0):
    yield node
    for child in node if depth < 30 else []:
        yield from controls(child, depth + 1) if child is not None else ()


for _ in range(100):  # up to 10 s for the application to show up
    apps = pyatspi.Registry.getDesktop(0)
    if (app := next((a for a in apps if a is not None and a.name == sys.argv[1]), None)) is not None:
        break
    time.sleep(0.1)
print("\n".join(f"{c.getRoleName()}: {c.name}" for c in controls(app) if c.name))
