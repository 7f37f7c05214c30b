"""wm_close.py WINDOW_ID: asks the window to close as a window manager's close button does, with a
WM_DELETE_WINDOW client message."""
import sys
from Xlib import X, display, protocol

x = display.Display()
window = x.create_resource_object("window", int(sys.argv[1], 0))
window.send_event(protocol.event.ClientMessage(
    window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
    data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
# A round trip before going: on a busy machine the X server drops the requests of a client that
# has already hung up, and the close would never reach the window.
x.sync()
