#!/usr/bin/env python3
"""Prints the X server's current pointer image as "WIDTHxHEIGHT+HOTX+HOTY" (XFixes), so a test
can tell which pointer a window shows under the mouse."""
import ctypes
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.c_void_p),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


xlib = ctypes.CDLL("libX11.so.6")
xfixes = ctypes.CDLL("libXfixes.so.3")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
image = xfixes.XFixesGetCursorImage(display)
if not image:
    sys.exit("the server has no XFixes cursor image")
c = image.contents
print(f"{c.width}x{c.height}+{c.xhot}+{c.yhot}")
xlib.XCloseDisplay(display)
