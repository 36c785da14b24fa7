# x_sync.py WINDOW TIMEOUT: waits until the window's program has handled all input sent so far
# and what it queued: three pings (_NET_WM_PING) in turn, each answered from its event loop in
# the order of its X events. Exit 0: answered or the window closed; 1: no answer in time.
import select, sys, time
import Xlib.Xutil
from Xlib import X, display, error
from Xlib.protocol import event

window_id, deadline = int(sys.argv[1], 0), time.monotonic() + float(sys.argv[2])
conn = display.Display()
conn.screen().root.change_attributes(event_mask=X.StructureNotifyMask)  # where answers go
protocols, ping = conn.intern_atom("WM_PROTOCOLS"), conn.intern_atom("_NET_WM_PING")
window = conn.create_resource_object("window", window_id)
for stamp in range(1, 4):  # the later rounds run what the first one's input posted for later
    message = event.ClientMessage(window=window, client_type=protocols,
                                  data=(32, [ping, stamp, window_id, 0, 0]))
    window.send_event(message, event_mask=0, onerror=error.CatchError())
    next_look = 0.0
    while not any(e.type == X.ClientMessage and list(e.data[1][:3]) == [ping, stamp, window_id]
                  for e in iter(lambda: conn.next_event() if conn.pending_events() else None, None)):
        now = time.monotonic()
        if now > deadline:
            sys.exit(1)
        # Looked at every 0.1 s, however busy the display: the other windows' events (a new
        # instance mapping its own, say) may never leave it quiet that long.
        if now >= next_look:
            next_look = now + 0.1
            try:  # closed (destroyed, or hidden and not minimised) by what was sent: done
                state = window.get_wm_state()
                if window.get_attributes().map_state != X.IsViewable and \
                        (state is None or state.state != Xlib.Xutil.IconicState):
                    sys.exit(0)
            except error.BadWindow:
                sys.exit(0)
        select.select([conn], [], [], 0.1)
