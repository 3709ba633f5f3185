# SPDX-License-Identifier: GPL-3.0-or-later
"""A picture of part of the X screen, read pixel by pixel, and the one X
request that takes it."""

import re

from Xlib import X

BLUE = (0, 0, 255)
GREY = (128, 128, 128)
CYAN = (0, 255, 255)
RED = (255, 0, 0)
BLACK = (0, 0, 0)
DARK_YELLOW = (192, 192, 0)
YELLOW = (255, 255, 0)

_HEADER = re.compile(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s")


class Shot:
    """RGB pixels of a rectangle of the screen whose top left corner is
    (left, top); (x, y) are screen pixels."""

    def __init__(self, ppm, left=0, top=0):
        """From an 8-bit PPM picture of the rectangle."""
        header = _HEADER.match(ppm)
        if not header or header.group(3) != b"255":
            raise ValueError("not an 8-bit PPM screenshot")
        self._set(bytes(memoryview(ppm)[header.end():]), left, top, int(header.group(1)), int(header.group(2)))

    @classmethod
    def of_rgb(cls, rgb, left, top, width, height):
        shot = cls.__new__(cls)
        shot._set(rgb, left, top, width, height)
        return shot

    def _set(self, rgb, left, top, width, height):
        if len(rgb) != 3 * width * height:
            raise ValueError(f"{len(rgb)} bytes for {width} x {height} pixels")
        self.left, self.top, self.width, self.height = left, top, width, height
        self._data = rgb

    @property
    def ppm(self):
        return b"P6\n%d %d\n255\n" % (self.width, self.height) + self._data

    def _offset(self, x, y):
        if not (0 <= x - self.left < self.width and 0 <= y - self.top < self.height):
            raise IndexError(f"{x},{y} lies outside the shot of {self.width} x {self.height} at "
                             f"{self.left},{self.top}")
        return 3 * ((y - self.top) * self.width + x - self.left)

    def pixel(self, x, y):
        at = self._offset(x, y)
        return tuple(self._data[at:at + 3])

    def region(self, x, y, width, height):
        """The raw pixels of a rectangle, row after row, for comparisons."""
        self._offset(x + width - 1, y + height - 1)
        rows = (self._data[self._offset(x, row):self._offset(x, row) + 3 * width] for row in range(y, y + height))
        return b"".join(rows)

    def pixels(self, x, y, width, height):
        data = self.region(x, y, width, height)
        return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


def grab(display, left, top, width, height):
    """The rectangle of the root window, clipped to the screen, in one
    GetImage request."""
    root = display.screen().root
    screen = display.screen()
    left, top = max(0, left), max(0, top)
    width = min(width, screen.width_in_pixels - left)
    height = min(height, screen.height_in_pixels - top)
    image = root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF)
    bgrx = image.data
    if len(bgrx) != 4 * width * height:
        raise ValueError(f"the X server sent {len(bgrx)} bytes for {width} x {height} pixels of depth 24")
    rgb = bytearray(3 * width * height)
    rgb[0::3] = bgrx[2::4]
    rgb[1::3] = bgrx[1::4]
    rgb[2::3] = bgrx[0::4]
    return Shot.of_rgb(bytes(rgb), left, top, width, height)
