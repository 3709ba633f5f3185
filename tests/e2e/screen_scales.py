#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game at the screen scales 1, 1.25, 1.5, 1.75 and 2 (QT_SCALE_FACTOR):
the window is its design size times the factor, every cell and control
stands where the factor puts it, every cell centre shows the colour the 1x
game shows, and the pictures are the double-size ones shrunk smoothly, not
pixel by pixel. The fleet slot is read before the first shot, while every
ship is intact whatever fleet the clock drew; the shots are waited for, not
timed. Usage: screen_scales.py PROGRAM ARTIFACTS_DIR"""

import os
import subprocess

from harness.desktop import Desktop, wait_until
from harness.game_window import CLIENT_HEIGHT, CLIENT_WIDTH, COLUMNS, ROWS, TITLE, expect, run
from harness.screen import BLUE, CYAN, GREY, RED, YELLOW, Shot

FACTORS = (1, 1.25, 1.5, 1.75, 2)
ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")
SCREEN = (1920, 1200)  # the window at twice its size fits
SHOTS = (0, 61, 377, 400, 749)  # cells fired at in every run
LEGEND = {(520, 416): GREY, (520, 440): CYAN, (520, 464): RED, (728, 440): (192, 192, 0), (728, 464): YELLOW}
FLEET_SLOT_0 = (504, 40, 201, 65)


def cell_centre(k):
    return 16 + 16 * (k % COLUMNS), 48 + 16 * (k // COLUMNS)


def picture(name, width, height, smooth):
    """The double-size picture brought to width x height: smoothly, or by
    taking the nearest pixel, as an unsmoothed painter does."""
    resize = ["-filter", "Box", "-resize"] if smooth else ["-sample"]
    ppm = subprocess.run(["convert", os.path.join(ASSETS, name + "@2x.png"), "-alpha", "off", *resize,
                          f"{width}x{height}!", "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    return Shot(ppm)


def distance(a, b):
    return sum(abs(x - y) for x, y in zip(a, b)) / len(a)


class Window:
    """The game's window at one factor, in logical (1x) coordinates."""

    def __init__(self, desk, factor, geometry):
        self.desk, self.factor = desk, factor
        self.id, self.left, self.y, self.width, self.height = geometry
        self.top = None

    def find_client_area(self):
        """The client area starts at the first blue row under the menu bar,
        whose height in pixels the factor's rounding decides."""
        column = self.shot.pixels(self.left + 2, self.y, 1, self.height)
        self.top = self.y + next((row for row, rgb in enumerate(column) if rgb == BLUE), self.height)
        return self

    @classmethod
    def shown(cls, desk, factor):
        """The window once it has its size and shows the title picture."""
        for geometry in desk.windows("Kalvenor"):
            window = cls(desk, factor, geometry)
            if abs(window.width - CLIENT_WIDTH * factor) > 1:
                continue
            window.look().find_client_area()
            if window.height - (window.top - window.y) >= CLIENT_HEIGHT * factor - 1 and window.at(*TITLE[:2]) != BLUE:
                return window
        return None

    def look(self, save_as=None):
        self.shot = self.desk.shot(save_as, (self.left, self.y, self.width, self.height))
        return self

    def settled(self, save_as):
        """Looks until two looks in a row are alike: the window has painted
        what it was showing, however long a busy machine takes."""
        area = (self.left, self.y, self.width, self.height)
        before = [self.look().shot.region(*area)]

        def alike():
            now = self.look().shot.region(*area)
            same, before[0] = now == before[0], now
            return same
        wait_until(alike, 30, "the window to settle")
        return self.look(save_as)

    def device(self, x, y):
        return self.left + int(x * self.factor), self.top + int(y * self.factor)

    def at(self, x, y):
        return self.shot.pixel(*self.device(x + 0.5, y + 0.5))

    def cells(self):
        return [self.at(*cell_centre(k)) for k in range(ROWS * COLUMNS)]

    def click(self, x, y):
        self.desk.xdotool("mousemove", *self.device(x + 0.5, y + 0.5), "click", 1)

    def compare_picture(self, name, box, patch=(96, 48)):
        """How far the picture in the box is from a smooth and from a
        pixel-by-pixel shrink of its double-size file: on the patch where
        the two shrinks differ most, placed where the smooth one fits best
        (within two pixels: rounding may shift it)."""
        x, y, width, height = box
        left, top = self.device(x, y)
        size = round(width * self.factor), round(height * self.factor)
        smooth, sampled = picture(name, *size, True), picture(name, *size, False)
        corners = [(px, py) for px in range(0, size[0] - patch[0], patch[0] // 2)
                   for py in range(0, size[1] - patch[1], patch[1] // 2)]
        px, py = max(corners, key=lambda c: distance(smooth.region(*c, *patch), sampled.region(*c, *patch)))
        smooth_patch, sampled_patch = smooth.region(px, py, *patch), sampled.region(px, py, *patch)
        fits = [(distance(self.shot.region(left + px + dx, top + py + dy, *patch), smooth_patch), dx, dy)
                for dx in range(-2, 3) for dy in range(-2, 3)]
        best, dx, dy = min(fits)
        return best, distance(self.shot.region(left + px + dx, top + py + dy, *patch), sampled_patch)


def run_at(desk, program, factor):
    game = desk.start([program], extra_env={"QT_SCALE_FACTOR": str(factor)})
    try:
        # The window may be mapped before it takes its size.
        window = wait_until(lambda: Window.shown(desk, factor), 60,
                            f"the window {CLIENT_WIDTH * factor} pixels wide, with its title")
        window.settled(f"title-x{factor}.png")
        title = window.compare_picture("title", TITLE)
        desk.xdotool("windowfocus", "--sync", window.id, "key", "--delay", 40, "alt+f", "Return")
        wait_until(lambda: window.look().at(*cell_centre(0)) == GREY, 30, "the grid")
        # No shot yet: ship 0 shows its intact picture, whatever the fleet.
        fleet = window.settled(f"start-x{factor}.png").compare_picture("ship00", FLEET_SLOT_0)
        for k in SHOTS:
            window.click(*cell_centre(k))
        wait_until(lambda: all(window.look().at(*cell_centre(k)) != GREY for k in SHOTS), 30, "the shots")
        window.look(f"game-x{factor}.png")
        for (x, y), colour in LEGEND.items():
            expect(window.at(x, y) == colour, f"x{factor}: legend swatch at {x},{y} shows {window.at(x, y)}")
        for k in range(5):
            expect(window.at(146 + 40 * k, 466) == YELLOW, f"x{factor}: buoy button {k} not where it belongs")
        border = window.shot.pixel(*window.device(16 * 5 + 8 + 0.5, 48 - 8 + 16 + 0.5))
        expect(max(border) < 80, f"x{factor}: the border between two cells shows {border}")
        return window.cells(), title, fleet
    except AssertionError:
        desk.shot(f"failure-x{factor}.png")
        raise
    finally:
        desk.stop(game)


def play(program, artifacts):
    with Desktop(artifacts, size=SCREEN, audio=False) as desk:
        first = None
        for factor in FACTORS:
            cells, title, fleet = run_at(desk, program, factor)
            print(f"x{factor}: title {title[0]:.2f} from smooth, {title[1]:.2f} from pixel-by-pixel; "
                  f"fleet slot {fleet[0]:.2f} / {fleet[1]:.2f}")
            shot_colours = {cells[k] for k in SHOTS}
            expect(shot_colours <= {CYAN, RED}, f"x{factor}: a cell fired at shows {shot_colours}")
            pattern = [colour if k not in SHOTS else "shot" for k, colour in enumerate(cells)]
            first = first or pattern
            wrong = [k for k in range(ROWS * COLUMNS) if pattern[k] != first[k]]
            expect(not wrong, f"x{factor}: cells {wrong[:10]} differ from the 1x game")
            for what, (smooth, sampled) in (("title", title), ("fleet slot", fleet)):
                if factor == 2:  # the double-size picture itself, pixel for pixel
                    expect(smooth < 1, f"x2: the {what} picture is not the double-size one ({smooth:.2f})")
                elif factor != 1:
                    expect(smooth < 5 and smooth < sampled,
                           f"x{factor}: the {what} picture is shrunk pixel by pixel ({smooth:.2f} / {sampled:.2f})")


if __name__ == "__main__":
    run(play, __doc__)
