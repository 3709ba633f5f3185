#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The audio server dies while a shot's sound plays, in the middle of a game,
and comes back: the game plays on through it, silent, then with sound, and
sinks a ship. Usage: audio_server_restart.py PROGRAM ARTIFACTS_DIR"""

import time

from harness.desktop import Desktop, audible_seconds
from harness.game_window import SINKING_SECONDS, exit_game, expect, fire_at_row, open_game, run
from harness.screen import GREY
from harness.short_game import fire_one, sink_a_ship


def shots_heard(desk, game, cells, name):
    """Fires at the cells one by one, each once the game took the one before,
    recording; returns the seconds heard."""
    with desk.recording(name) as wav:
        for cell in cells:
            fire_one(game, cell)
        time.sleep(SINKING_SECONDS)  # the last sound plays out
    return audible_seconds(wav)


def play(program, artifacts):
    with Desktop(artifacts) as desk:
        kalvenor, game = open_game(desk, program)
        time.sleep(2)
        game.start()
        before = shots_heard(desk, game, [0, 1, 2], "before")
        expect(before > 0.05, "the shots are not heard before the audio server goes")

        fire_one(game, 3)  # its sound lasts 400 ms or more
        time.sleep(0.1)
        desk.kill_audio_server()
        fire_at_row(game, 1)  # fires again at what a sinking held off
        expect(kalvenor.poll() is None, "the program ended with its audio server")
        expect(all(colour != GREY for colour in game.look().cells()[30:60]), "the game stopped taking shots")

        desk.start_audio_server()
        after = shots_heard(desk, game, [4, 5, 6], "after")
        expect(after > 0.05, "the shots are not heard once the audio server is back")
        sink_a_ship(game)
        fire_at_row(game, 2)
        exit_game(game, kalvenor)
    print(f"shots heard for {before:.3f} s before the audio server went and {after:.3f} s after it came back")


if __name__ == "__main__":
    run(play, __doc__)
