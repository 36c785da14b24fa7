"""Waits until the program that owns a window has handled every key press and click sent so
far, and the work they queued: pings the window (_NET_WM_PING) three times, one after the
other, and waits for each answer, which the program sends from its event loop in the order
of its X events. Ends at once when the window is gone.
    x_sync.py WINDOW [TIMEOUT_SECONDS]   exit 0: handled, 1: no answer in time"""
import select
import sys
import time

from Xlib import X, display, error
from Xlib.protocol import event

ROUNDS = 3  # the later rounds run what the first one's events posted for later


def main():
    window_id = int(sys.argv[1], 0)
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) > 2 else 10)
    conn = display.Display()
    conn.screen().root.change_attributes(event_mask=X.StructureNotifyMask)
    protocols = conn.intern_atom("WM_PROTOCOLS")
    ping = conn.intern_atom("_NET_WM_PING")
    window = conn.create_resource_object("window", window_id)
    gone = error.CatchError(error.BadWindow)
    for stamp in range(1, ROUNDS + 1):
        window.send_event(
            event.ClientMessage(window=window, client_type=protocols,
                                data=(32, [ping, stamp, window_id, 0, 0])),
            event_mask=0, onerror=gone)
        conn.sync()
        if gone.get_error():
            return 0
        while not answered(conn, protocols, ping, stamp, window_id):
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return 1
            if not select.select([conn], [], [], min(remaining, 0.1))[0] and not exists(window):
                return 0  # closed by what was sent: nothing is left to wait for
    return 0


def exists(window):
    try:
        window.get_attributes()
        return True
    except error.BadWindow:
        return False


def answered(conn, protocols, ping, stamp, window_id):
    while conn.pending_events():
        e = conn.next_event()
        if e.type == X.ClientMessage and e.client_type == protocols and \
                list(e.data[1][:3]) == [ping, stamp, window_id]:
            return True
    return False


sys.exit(main())
