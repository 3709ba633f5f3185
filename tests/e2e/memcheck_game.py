#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays one whole game of Kalvenor under valgrind's memcheck: the title,
Start, a shot at every cell until the fleet is sunk, a buoy, Exit; memcheck
must find no error and no leak of the game's own.
Usage: memcheck_game.py PROGRAM ARTIFACTS_DIR"""

import os

from desktop import Desktop, wait_until
from game_window import TITLE, Game, finish_game, run
from memcheck import SLOW, under_memcheck, verdict
from screen import BLUE, DARK_YELLOW, GREY


def play(program, artifacts):
    log = os.path.join(artifacts, "memcheck.log")
    with Desktop(artifacts) as desk:
        kalvenor = desk.start(under_memcheck(program, log))
        game = Game(desk, timeout=SLOW, pace=4)
        wait_until(lambda: game.look().at(*TITLE[:2]) != BLUE, SLOW, "the title picture")
        game.menu("Down")  # Start
        wait_until(lambda: game.look().cell(0) != BLUE, SLOW, "the grid")
        game.buy_buoy(0)
        game.fire([0])
        wait_until(lambda: game.look().cell(0) == DARK_YELLOW, SLOW, "the buoy")
        wait_until(lambda: game.look().cell(0) == GREY, SLOW, "the end of the buoy's cycle")
        finish_game(game, "memcheck-game-over")
        game.menu("Up", window_stays=False)  # Exit
        status = kalvenor.wait(timeout=5 * SLOW)
    complaints = verdict(log)
    if status != 0 or complaints:
        raise AssertionError(f"the game ended with status {status}\n{complaints}")
    print("memcheck: no errors, no leaks of the game's own")


if __name__ == "__main__":
    run(play, __doc__)
