#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Closes the game's window, as a window manager's close button does, while
a ship sinks and, in a second run, while a buoy flashes. The program must end
by itself with status 0, and memcheck must find no error and no leak of the
game's own. Usage: close_mid_sequence.py PROGRAM ARTIFACTS_DIR"""

import os
import sys
import time

from desktop import Desktop, wait_until
from game_window import COLUMNS, ROWS, TITLE, Game
from memcheck import SLOW, under_memcheck, verdict
from screen import BLACK, BLUE, DARK_YELLOW, GREY, RED, YELLOW


def fire_one(game, cell):
    """Fires at one cell and returns its colour once the game has taken the
    shot."""
    game.fire([cell])
    return wait_until(lambda: (colour := game.look().cell(cell)) != GREY and colour, SLOW, f"the shot at {cell}")


def start_a_sinking(game):
    """Fires one cell at a time until a shot sinks a ship, and returns at
    once: the sinking sequence then holds the grid for 600 ms or more."""
    black = 0
    for cell in range(COLUMNS * ROWS):
        if game.cell(cell) != GREY:
            continue
        if fire_one(game, cell) != RED:
            continue
        # A hit: fire around the red cells until the ship sinks.
        while game.cells().count(RED):
            cells = game.cells()
            red = [k for k, colour in enumerate(cells) if colour == RED]
            around = [k + dr * COLUMNS + dc for k in red for dr in (-1, 0, 1) for dc in (-1, 0, 1)
                      if 0 <= k // COLUMNS + dr < ROWS and 0 <= k % COLUMNS + dc < COLUMNS]
            target = next(k for k in around if cells[k] == GREY)
            fire_one(game, target)
            if game.cells().count(BLACK) > black:
                return
        black = game.cells().count(BLACK)
    raise AssertionError("no shot sank a ship")


def drop_a_buoy(game):
    """Buys the first buoy and drops it in the open sea; its cycle of pauses
    and flashes lasts four seconds or more."""
    game.buy_buoy(0)
    time.sleep(0.5 * game.pace)
    game.fire([375])
    wait_until(lambda: game.look().cell(375) in (DARK_YELLOW, YELLOW), SLOW, "the buoy to drop")
    time.sleep(1)


def close_during(desk, program, sequence):
    log = os.path.join(desk.artifacts, f"memcheck-{sequence.__name__}.log")
    kalvenor = desk.start(under_memcheck(program, log))
    game = Game(desk, timeout=SLOW, pace=4)
    wait_until(lambda: game.look().at(*TITLE[:2]) != BLUE, SLOW, "the title picture")
    game.menu("Down")  # Start
    wait_until(lambda: game.look().cell(0) == GREY, SLOW, "the grid")
    sequence(game)
    desk.close_window("Kalvenor")
    game.look(f"closing-during-{sequence.__name__}.png")
    status = kalvenor.wait(timeout=5 * SLOW)
    complaints = verdict(log)
    if status != 0 or complaints:
        raise AssertionError(f"closed during {sequence.__name__}: status {status}\n{complaints}")
    print(f"closed during {sequence.__name__}: a clean exit")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    started = time.monotonic()
    with Desktop(sys.argv[2]) as desktop:
        for run in (start_a_sinking, drop_a_buoy):
            close_during(desktop, sys.argv[1], run)
    print(f"both runs in {time.monotonic() - started:.1f} s")
