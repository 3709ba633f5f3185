#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A click storm: 2,400 clicks (20,000 in the soak) at random cells and buoy
buttons, sent as fast as xdotool sends them, with a menu command after every
burst; then the game in play must still play to its end.
Usage: click_storm.py PROGRAM ARTIFACTS_DIR"""

import random
import time

from harness.desktop import Desktop, wait_until
from harness.game_window import COLUMNS, ROWS, exit_game, expect, finish_game, open_game, panel_slot, run
from harness.screen import BLUE
from harness.short_game import soak

# Six bursts at least, so that the last one falls on a game just begun.
CLICKS, BURST = (20_000, 1_000) if soak() else (2_400, 400)
# After each burst, in turn: the Sound toggle, a new game, Start (which only
# a finished game offers), Stop playing with the title left on for a burst.
BETWEEN_BURSTS = (("Sound",), ("Stop playing", "Start"), ("Start",), ("Stop playing",), ("Start",))


def storm_targets(game, rng, count):
    """Mostly cells; now and then a buoy button, or a ship picture, the
    score or the legend, which take no clicks."""
    cells = [game.cell_centre(k) for k in range(COLUMNS * ROWS)]
    buttons = [(146 + 40 * k, 466) for k in range(5)]
    still = [(x + w // 2, y + h // 2) for x, y, w, h in map(panel_slot, range(10))] + [(420, 472), (620, 440)]

    def target():
        roll = rng.random()
        return rng.choice(buttons if roll < 0.02 else still if roll < 0.03 else cells)
    return [(game.left + x, game.top + y) for x, y in (target() for _ in range(count))]


def burst(desk, points):
    args = []
    for x, y in points:
        args += ["mousemove", x, y, "click", "--delay", 0, 1]
    desk.xdotool(*args)


def play(program, artifacts):
    rng = random.Random(20_000)
    with Desktop(artifacts) as desk:
        kalvenor, game = open_game(desk, program, timeout=60)
        game.start()
        started = time.monotonic()
        sent = 0
        for number in range(CLICKS // BURST):
            burst(desk, storm_targets(game, rng, BURST))
            sent += BURST
            expect(kalvenor.poll() is None, f"the program ended after {sent} clicks")
            for item in BETWEEN_BURSTS[number % len(BETWEEN_BURSTS)]:
                game.choose(item)
            game.look(f"after-{sent}-clicks.png" if sent % (5 * BURST) == 0 else None)
        print(f"{sent} clicks in {time.monotonic() - started:.1f} s, menu commands between every {BURST}")

        # The storm is over: the game in play goes on to its end, or Start,
        # offered on the title and by a finished game, begins one.
        game.choose("Start")
        wait_until(lambda: game.look().cell(0) != BLUE, game.timeout, "a game on the grid")
        finish_game(game, "after-the-storm")
        exit_game(game, kalvenor, timeout=30)
    print("after the storm the game played to its end")


if __name__ == "__main__":
    run(play, __doc__)
