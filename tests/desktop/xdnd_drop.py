#!/usr/bin/python3
"""Drops files on the window under the pointer as a file manager does, by the X drag-and-drop
protocol (XDND), offering them as text/uri-list. Exits 0 once the window has taken the drop.

Usage: xdnd_drop.py X Y FILE...   (root coordinates; needs DISPLAY and python3-xlib)
"""
import sys
import time
from pathlib import Path

from Xlib import X, display
from Xlib.protocol import event

XDND_VERSION = 5


def atom(d, name):
    return d.intern_atom(name)


def aware_window(d, root, x, y):
    """The deepest window at the point that says it takes drops (XdndAware), with the protocol
    version both sides speak."""
    window, found = root, None
    while window:
        reply = window.get_full_property(atom(d, "XdndAware"), X.AnyPropertyType)
        if reply is not None and len(reply.value):
            found = (window, min(reply.value[0], XDND_VERSION))
        child = window.translate_coords(root, x, y).child
        window = child if getattr(child, "id", child) else None
    return found


def send(d, target, source, name, data):
    message = event.ClientMessage(window=target, client_type=atom(d, name),
                                  data=(32, [source.id] + data + [0] * (4 - len(data))))
    target.send_event(message, event_mask=0)
    d.flush()


def main():
    x, y = int(sys.argv[1]), int(sys.argv[2])
    uris = "".join(Path(f).resolve().as_uri() + "\r\n" for f in sys.argv[3:]).encode()
    d = display.Display()
    root = d.screen().root
    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    uri_list = atom(d, "text/uri-list")
    selection = atom(d, "XdndSelection")
    source.set_selection_owner(selection, X.CurrentTime)
    found = aware_window(d, root, x, y)
    if found is None:
        sys.exit("no window at that point takes drops")
    target, version = found
    send(d, target, source, "XdndEnter", [version << 24, uri_list])
    send(d, target, source, "XdndPosition", [0, (x << 16) | y, X.CurrentTime,
                                             atom(d, "XdndActionCopy")])
    deadline = time.monotonic() + 10
    dropped = False
    while time.monotonic() < deadline:
        while d.pending_events():
            e = d.next_event()
            if e.type == X.ClientMessage and e.client_type == atom(d, "XdndStatus"):
                if not dropped:
                    if not e.data[1][1] & 1:
                        sys.exit("the window refused the drop")
                    send(d, target, source, "XdndDrop", [0, X.CurrentTime])
                    dropped = True
            elif e.type == X.SelectionRequest:
                # The window asks for what was dropped, in the form offered.
                e.requestor.change_property(e.property, e.target, 8, uris)
                notify = event.SelectionNotify(time=e.time, requestor=e.requestor,
                                               selection=e.selection, target=e.target,
                                               property=e.property)
                e.requestor.send_event(notify)
                d.flush()
            elif e.type == X.ClientMessage and e.client_type == atom(d, "XdndFinished"):
                return
        time.sleep(0.02)
    sys.exit("the drop was not finished in time")


if __name__ == "__main__":
    main()
