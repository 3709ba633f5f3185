#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A game without its wave files: the program built without the embedded
waves and with none beside it opens, says once which files it lacks, and
plays silent: misses, hits and a sinking. Usage: missing_waves.py PROGRAM ARTIFACTS_DIR"""

import os
import time

from harness.desktop import Desktop, audible_seconds
from harness.game_window import exit_game, expect, fire_at_row, open_game, run
from harness.short_game import sink_a_ship

WAVES = ("Kalvenorw1.wav", "Kalvenorw2.wav")


def play(program, artifacts):
    beside = os.path.dirname(os.path.abspath(program))
    expect(not any(os.path.exists(os.path.join(beside, wave)) for wave in WAVES), f"a wave file lies in {beside}")
    with Desktop(artifacts) as desk:
        with desk.recording("start-up") as wav:
            kalvenor, game = open_game(desk, program)
            time.sleep(2.5)
        expect(audible_seconds(wav) == 0.0, "a start-up sound is heard without its wave file")

        game.start(by_keys=True)
        with desk.recording("game") as wav:
            fire_at_row(game, 0)
            sink_a_ship(game)
        game.look("silent-game.png")
        expect(audible_seconds(wav) == 0.0, "shots are heard without their wave files")

        exit_game(game, kalvenor)
    with open(os.path.join(artifacts, "desktop.log"), encoding="utf-8", errors="replace") as log:
        said = [line for line in log if "not found" in line]
    expect(len(said) == 1 and all(wave in said[0] for wave in WAVES), f"the program said {said}")
    print(f"played silent; the program said: {said[0].strip()}")


if __name__ == "__main__":
    run(play, __doc__)
