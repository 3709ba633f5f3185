# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader gets from the game: a private session bus with
at-spi2-core's accessibility bus beside the test's desktop, and the game's
accessible tree read through pyatspi from outside the game's process, as
Orca reads it."""

import os
import sys
import time

from .desktop import wait_until

SYSTEM_PYTHON = "/usr/bin/python3"


def under_system_python():
    """pyatspi comes with the system's own Python: a script started by
    another one starts again under that."""
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        if os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON) and os.path.exists(SYSTEM_PYTHON):
            os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, "-B", *sys.argv])
        raise


def start_accessibility_bus(desk):
    """A session bus and the accessibility bus launcher on the desktop; the
    programs started after this, and this process, use them."""
    desk.start_session_bus()
    desk.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    desk.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    os.environ.update(DISPLAY=desk.env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=desk.env["DBUS_SESSION_BUS_ADDRESS"],
                      XDG_RUNTIME_DIR=desk.runtime, HOME=desk.home)


class Reader:
    """The game's accessible tree, and the events it raises."""

    def __init__(self, timeout=30):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.events = []
        self.window = wait_until(self._find_window, timeout, "the game's window on the accessibility bus")

    def _find_window(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            for window in app or []:
                if window is not None and window.name == "Kalvenor":
                    return window
        return None

    def find(self, predicate, under=None):
        """The first accessible, breadth first, that the predicate accepts;
        the cells of a table are not searched."""
        todo = [under or self.window]
        while todo:
            node = todo.pop(0)
            if predicate(node):
                return node
            if not self.is_table(node):
                todo.extend(child for child in node if child is not None)
        return None

    def is_table(self, node):
        return "Table" in self.pyatspi.listInterfaces(node)

    def table(self):
        """The first accessible with a table's interface."""
        return self.find(self.is_table)

    def listen(self, *kinds):
        for kind in kinds:
            self.pyatspi.Registry.registerEventListener(self._heard, kind)
        time.sleep(0.5)  # the game learns that someone listens

    def _heard(self, event):
        """Keeps the event's type and its source's name and description as
        the reader sees them when the event arrives."""
        source = event.source
        self.events.append((event.type, source.name if source else "", source.description if source else "",
                            time.monotonic()))

    def pump(self, seconds=0.0):
        """Lets the events arrive for `seconds`."""
        deadline = time.monotonic() + seconds
        while True:
            while self.context.iteration(False):
                pass
            if time.monotonic() >= deadline:
                return
            time.sleep(0.02)
