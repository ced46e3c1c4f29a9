"""Keys for the end-to-end tests, pressed as a user presses them.

The virtual display has no window manager, so nobody gives a program's
window the keyboard: activate() does, through Xlib, the way a window manager
would. press() then has the accessibility registry synthesise the key
(XTest), and the key goes to whatever object has the focus in that window.
libX11 comes with the display stack the programs themselves need.
"""

import ctypes
import time

from atspi_harness import fail

KEYSYMS = {"space": 0x20, "Return": 0xFF0D, "Escape": 0xFF1B, "Tab": 0xFF09, "Left": 0xFF51,
           "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54, "F5": 0xFFC2, "F6": 0xFFC3,
           "F7": 0xFFC4}

_Window = ctypes.c_ulong
# Xlib ends the process on a protocol error unless told otherwise; a window
# that cannot take the focus (Qt's hidden leader window shares the title) is
# simply passed over.
_ErrorHandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
_ignore_errors = _ErrorHandler(lambda display, event: 0)


def _xlib():
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = _Window
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XQueryTree.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Window),
                             ctypes.POINTER(_Window), ctypes.POINTER(ctypes.POINTER(_Window)),
                             ctypes.POINTER(ctypes.c_uint)]
    x.XFetchName.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(ctypes.c_char_p)]
    x.XSetInputFocus.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_ulong]
    x.XRaiseWindow.argtypes = [ctypes.c_void_p, _Window]
    x.XFree.argtypes = [ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XSetErrorHandler.argtypes = [_ErrorHandler]
    x.XSetErrorHandler(_ignore_errors)
    return x


def _windows_titled(x, display, window, title, depth=3):
    found = []
    name = ctypes.c_char_p()
    if x.XFetchName(display, window, ctypes.byref(name)) and name.value is not None:
        if name.value.decode("latin-1") == title:
            found.append(window)
        x.XFree(name)
    if depth == 0:
        return found
    root, parent = _Window(), _Window()
    children = ctypes.POINTER(_Window)()
    count = ctypes.c_uint()
    if x.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent),
                    ctypes.byref(children), ctypes.byref(count)):
        for i in range(count.value):
            found += _windows_titled(x, display, children[i], title, depth - 1)
        if children:
            x.XFree(children)
    return found


def activate(app, frame, title):
    """Gives the X window titled title the keyboard and waits until the
    accessible frame says it is active."""
    x = _xlib()
    display = x.XOpenDisplay(None)
    if not display:
        fail("cannot open the virtual display to give %s the keyboard" % title)
    try:
        windows = _windows_titled(x, display, x.XDefaultRootWindow(display), title)
        if not windows:
            fail("no X window titled %r to give the keyboard to" % title)
        for window in windows:
            x.XRaiseWindow(display, window)
            x.XSetInputFocus(display, window, 2, 0)  # RevertToParent, CurrentTime
        x.XSync(display, 0)
    finally:
        x.XCloseDisplay(display)
    active = app.desktop.pyatspi.STATE_ACTIVE
    app.wait_for(lambda: frame.getState().contains(active), 10,
                 "the window %r made active" % title)


def press(app, key):
    """Presses and releases a key (a name of KEYSYMS)."""
    pyatspi = app.desktop.pyatspi
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[key], None, pyatspi.KEY_SYM)
    time.sleep(0.02)
