# SPDX-License-Identifier: GPL-3.0-or-later
"""The mouse on the private display, driven through the XTest extension from
this process: a click is sent and its moment taken with no program to start
in between, so that the moment is that of the click to within a millisecond."""

import ctypes
import time

_x11 = ctypes.CDLL("libX11.so.6")
_xtest = ctypes.CDLL("libXtst.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
_xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

_LEFT = 1


class Pointer:
    def __init__(self, display):
        self._display = _x11.XOpenDisplay(display.encode())
        if not self._display:
            raise AssertionError(f"cannot open the display {display}")

    def close(self):
        _x11.XCloseDisplay(self._display)

    def click(self, x, y):
        """Moves to the point and clicks there; returns the moment the
        button went up, which is when a click takes effect."""
        _xtest.XTestFakeMotionEvent(self._display, -1, x, y, 0)
        _xtest.XTestFakeButtonEvent(self._display, _LEFT, True, 0)
        _x11.XSync(self._display, False)
        moment = time.monotonic()
        _xtest.XTestFakeButtonEvent(self._display, _LEFT, False, 0)
        _x11.XSync(self._display, False)
        return moment
