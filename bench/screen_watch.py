# SPDX-License-Identifier: GPL-3.0-or-later
"""Watching and driving the X screen: the moment a top-level window maps,
learnt from the server's own MapNotify event rather than by polling, and
mouse and keyboard input through the XTEST extension."""

import select
import time

from Xlib import X, XK, display
from Xlib.ext import xtest


class ScreenWatch:
    def __init__(self, display_name):
        self.display = display.Display(display_name)
        self.root = self.display.screen().root
        # With no window manager, every top-level window is a child of the
        # root window, and its mapping is reported to whoever watches them.
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def close(self):
        self.display.close()

    def forget_events(self):
        self.display.sync()
        while self.display.pending_events():
            self.display.next_event()

    def next_map(self, deadline, override_redirect=False):
        """Waits for the next window to map, a top-level one or a popup such
        as a menu, and returns the moment it was reported and the window."""
        while True:
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.MapNotify and bool(event.override) == override_redirect:
                    return time.monotonic(), event.window
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise TimeoutError("no window mapped in time")
            select.select([self.display.fileno()], [], [], remaining)

    def window_pid(self, window):
        """The process that owns a window, as its _NET_WM_PID names it; None
        if the window does not say."""
        pid = window.get_full_property(self.display.intern_atom("_NET_WM_PID"), X.AnyPropertyType)
        return int(pid.value[0]) if pid and len(pid.value) else None

    def origin_and_size(self, window):
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return -origin.x, -origin.y, geometry.width, geometry.height

    def point_at(self, x, y):
        xtest.fake_input(self.display, X.MotionNotify, x=int(x), y=int(y))
        self.display.sync()

    def click(self, x, y):
        self.point_at(x, y)
        xtest.fake_input(self.display, X.ButtonPress, 1)
        xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.display.sync()

    def press(self, *key_names):
        """Presses the keys in order and releases them in reverse: a chord."""
        codes = [self.display.keysym_to_keycode(XK.string_to_keysym(name)) for name in key_names]
        for code in codes:
            xtest.fake_input(self.display, X.KeyPress, code)
        for code in reversed(codes):
            xtest.fake_input(self.display, X.KeyRelease, code)
        self.display.sync()
