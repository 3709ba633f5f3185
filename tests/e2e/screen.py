# SPDX-License-Identifier: GPL-3.0-or-later
"""A screenshot of the X screen, read pixel by pixel."""

import re

BLUE = (0, 0, 255)
GREY = (128, 128, 128)
CYAN = (0, 255, 255)
RED = (255, 0, 0)
BLACK = (0, 0, 0)
DARK_YELLOW = (192, 192, 0)
YELLOW = (255, 255, 0)

_HEADER = re.compile(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s")


class Shot:
    """An 8-bit PPM screenshot; (x, y) are screen pixels."""

    def __init__(self, ppm):
        header = _HEADER.match(ppm)
        if not header or header.group(3) != b"255":
            raise ValueError("not an 8-bit PPM screenshot")
        self.width, self.height = int(header.group(1)), int(header.group(2))
        self.ppm = ppm
        self._data = memoryview(ppm)[header.end():]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self._data[at:at + 3])

    def region(self, x, y, width, height):
        """The raw pixels of a rectangle, row after row, for comparisons."""
        rows = (self._data[3 * (row * self.width + x):3 * (row * self.width + x + width)]
                for row in range(y, y + height))
        return b"".join(bytes(r) for r in rows)

    def pixels(self, x, y, width, height):
        data = self.region(x, y, width, height)
        return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]
