#!/usr/bin/env python3
"""Drops files on the X display the way a file manager does (the XDND protocol), at a point of
the screen: the one way to drop on a Wine window from outside it. Wine turns the drop into a
WM_DROPFILES for the window under that point that accepts files.

    xdnd_drop.py X Y PATH...    (unix paths; exit 0 when the window there took the drop)

Only the standard library: libX11 through ctypes, since the display server's own library is
always there where Xvfb is."""
import ctypes
import ctypes.util
import sys
import time
import urllib.parse

X = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
X.XOpenDisplay.restype = ctypes.c_void_p
X.XOpenDisplay.argtypes = [ctypes.c_char_p]
X.XDefaultRootWindow.restype = ctypes.c_ulong
X.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
X.XInternAtom.restype = ctypes.c_ulong
X.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
X.XCreateSimpleWindow.restype = ctypes.c_ulong
X.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 3 + [
    ctypes.c_ulong] * 2
X.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
X.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                    ctypes.POINTER(ctypes.c_ulong)]
X.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
                                 ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
X.XFree.argtypes = [ctypes.c_void_p]
X.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
X.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                              ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
X.XPending.argtypes = [ctypes.c_void_p]
X.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
X.XFlush.argtypes = [ctypes.c_void_p]

CLIENT_MESSAGE, SELECTION_REQUEST, SELECTION_NOTIFY = 33, 30, 31
XDND_VERSION = 5


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class SelectionRequest(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("owner", ctypes.c_ulong), ("requestor", ctypes.c_ulong),
                ("selection", ctypes.c_ulong), ("target", ctypes.c_ulong), ("property", ctypes.c_ulong),
                ("time", ctypes.c_ulong)]


class SelectionNotify(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("requestor", ctypes.c_ulong), ("selection", ctypes.c_ulong),
                ("target", ctypes.c_ulong), ("property", ctypes.c_ulong), ("time", ctypes.c_ulong)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", ClientMessage), ("request", SelectionRequest),
                ("notify", SelectionNotify), ("pad", ctypes.c_long * 24)]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    x, y, paths = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]
    uris = "".join("file://" + urllib.parse.quote(p) + "\r\n" for p in paths).encode()

    dpy = X.XOpenDisplay(None)
    if not dpy:
        sys.exit("xdnd_drop: cannot open the display")
    atom = lambda name: X.XInternAtom(dpy, name.encode(), 0)
    aware, selection, uri_list = atom("XdndAware"), atom("XdndSelection"), atom("text/uri-list")
    root = X.XDefaultRootWindow(dpy)
    source = X.XCreateSimpleWindow(dpy, root, 0, 0, 1, 1, 0, 0, 0)
    X.XSetSelectionOwner(dpy, selection, source, 0)

    # The topmost window at the point that takes drops: down from the root, as a file manager looks.
    target, at = 0, root
    while at:
        cx, cy, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        X.XTranslateCoordinates(dpy, root, at, x, y, ctypes.byref(cx), ctypes.byref(cy), ctypes.byref(child))
        kind, fmt, n, left, data = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        X.XGetWindowProperty(dpy, at, aware, 0, 1, 0, 0, ctypes.byref(kind), ctypes.byref(fmt), ctypes.byref(n),
                             ctypes.byref(left), ctypes.byref(data))
        if data.value:
            X.XFree(data)
        if kind.value and at != root:
            target = at
            break
        at = child.value
    if not target:
        sys.exit(f"xdnd_drop: no window that takes drops at {x},{y}")

    def send(name, *values):
        e = Event()
        e.client.type, e.client.window, e.client.format = CLIENT_MESSAGE, target, 32
        e.client.message_type = atom(name)
        for i, v in enumerate(values):
            e.client.l[i] = v
        X.XSendEvent(dpy, target, 0, 0, ctypes.byref(e))
        X.XFlush(dpy)

    # Answers the target's requests for the data until it sends `wanted`; its message, or None.
    def serve_until(wanted, seconds=10):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not X.XPending(dpy):
                time.sleep(0.005)
                continue
            e = Event()
            X.XNextEvent(dpy, ctypes.byref(e))
            if e.type == SELECTION_REQUEST:
                r = e.request
                reply = Event()
                reply.notify.type, reply.notify.requestor = SELECTION_NOTIFY, r.requestor
                reply.notify.selection, reply.notify.target, reply.notify.time = r.selection, r.target, r.time
                reply.notify.property = 0
                if r.target == uri_list:
                    X.XChangeProperty(dpy, r.requestor, r.property, uri_list, 8, 0, uris, len(uris))
                    reply.notify.property = r.property
                X.XSendEvent(dpy, r.requestor, 0, 0, ctypes.byref(reply))
                X.XFlush(dpy)
            elif e.type == CLIENT_MESSAGE and e.client.message_type == atom(wanted):
                return e.client
        return None

    send("XdndEnter", source, XDND_VERSION << 24, uri_list, 0, 0)
    send("XdndPosition", source, 0, (x << 16) | y, 0, atom("XdndActionCopy"))
    status = serve_until("XdndStatus")
    if not status or not status.l[1] & 1:
        send("XdndLeave", source, 0, 0, 0, 0)
        sys.exit(f"xdnd_drop: the window at {x},{y} does not take the drop")
    send("XdndDrop", source, 0, 0, 0, 0)
    finished = serve_until("XdndFinished")
    if not finished:
        sys.exit("xdnd_drop: the drop was not finished")
    if not finished.l[1] & 1:
        sys.exit("xdnd_drop: the window refused the drop")
    print(f"dropped {len(paths)} item(s) at {x},{y}")


main()
