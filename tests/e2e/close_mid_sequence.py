#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game under valgrind's memcheck, twice: a short game (a row fired at,
a ship sunk, a buoy's whole cycle) closed with the window manager's close
button while the next ship sinks; and a game left with File > Exit while a
buoy flashes. The program must end by itself with status 0, and memcheck
must find no error and no leak of the game's own.
Usage: close_mid_sequence.py PROGRAM ARTIFACTS_DIR"""

import os
import time

from harness.desktop import Desktop
from harness.game_window import Game, run
from harness.memcheck import SLOW, under_memcheck, verdict
from harness.short_game import drop_a_buoy, play_a_short_game, start_a_sinking


def play_then_close_in_a_sinking(game):
    play_a_short_game(game)
    start_a_sinking(game)
    game.desk.close_window("Kalvenor")


def exit_while_a_buoy_flashes(game):
    drop_a_buoy(game)
    time.sleep(1)
    game.menu("Up", window_stays=False)  # Exit


def close_during(desk, program, sequence):
    log = os.path.join(desk.artifacts, f"memcheck-{sequence.__name__}.log")
    kalvenor = desk.start(under_memcheck(program, log))
    game = Game(desk, timeout=SLOW, pace=4)
    game.start(by_keys=True)
    sequence(game)
    game.look(f"{sequence.__name__}.png")
    status = kalvenor.wait(timeout=5 * SLOW)
    complaints = verdict(log)
    if status != 0 or complaints:
        raise AssertionError(f"{sequence.__name__}: status {status}\n{complaints}")
    print(f"{sequence.__name__}: a clean exit")


def play(program, artifacts):
    with Desktop(artifacts) as desktop:
        for sequence in (play_then_close_in_a_sinking, exit_while_a_buoy_flashes):
            close_during(desktop, program, sequence)


if __name__ == "__main__":
    run(play, __doc__)
