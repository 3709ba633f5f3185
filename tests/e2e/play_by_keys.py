#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game of Kalvenor with the keyboard alone: File > Start through
Alt+F, a buoy bought with the key 1 and dropped with Space, Sound switched
off from the menu, a shot at every cell through the grid's cursor, the end
of the game, Stop playing and Exit. Usage: play_by_keys.py PROGRAM ARTIFACTS_DIR"""

import time

from harness.desktop import Desktop, audible_seconds, wait_until
from harness.game_window import COLUMNS, ROWS, SHIP_CELLS, SINKING_SECONDS, TITLE, expect, open_game, over, run
from harness.keyboard import Keys
from harness.screen import BLACK, BLUE, DARK_YELLOW, GREY, YELLOW

IN_GAME = ("Sound", "Stop playing", "Exit")
GAME_OVER = ("Start", "Sound", "Stop playing", "Exit")


def buoy_button_shown(game, k):
    return game.at(146 + 40 * k, 466) == YELLOW


def play(program, artifacts):
    with Desktop(artifacts) as desk:
        kalvenor, game = open_game(desk, program)
        keys = Keys(game)

        keys.menu("Start", ("Start", "Sound", "Exit"))
        wait_until(lambda: game.look().cell(0) == GREY, 5, "the grid")
        expect(all(buoy_button_shown(game, k) for k in range(5)), "the buoy buttons are not shown")

        keys.press("1")
        wait_until(lambda: not buoy_button_shown(game.look(), 0), 5, "the buoy buttons to hide")
        keys.fire([0])
        wait_until(lambda: game.look("buoy-dropped.png").cell(0) in (DARK_YELLOW, YELLOW), 5, "the buoy on cell 0")
        keys.press("2")  # the buttons are hidden while the buoy listens: nothing
        time.sleep(0.3)
        expect(not buoy_button_shown(game.look(), 1), "key 2 showed or pressed a hidden button")

        with desk.recording("a-shot-with-sound") as wav:
            keys.fire([COLUMNS])  # one shot, heard whole: a hit or a miss
            time.sleep(1.5)
        expect(audible_seconds(wav) > 0.05, "a shot with Sound on is not heard")
        keys.fire_at_row(1)
        keys.menu("Sound", IN_GAME)
        time.sleep(1.0)  # the last sound of row 1 has been stopped
        with desk.recording("row-2-without-sound") as wav:
            keys.fire_at_row(2)
        expect(audible_seconds(wav) == 0.0, "shots are heard with Sound switched off")

        for row in range(3, ROWS):
            keys.fire_at_row(row)
        wait_until(lambda: game.look().cell(0) != DARK_YELLOW and game.cell(0) != YELLOW, 45, "the buoy's cycle to end")
        keys.fire_at_row(0)
        time.sleep(SINKING_SECONDS)
        game.look("game-over.png")
        expect(over(game), f"{game.cells().count(BLACK)} of {SHIP_CELLS} cells are black at the end")

        keys.menu("Stop playing", GAME_OVER)
        time.sleep(0.3)
        expect(game.look("title.png").at(*TITLE[:2]) != BLUE and game.cell(0) == BLUE,
               "Stop playing did not show the title")
        keys.menu("Exit", ("Start", "Sound", "Exit"), window_stays=False)
        status = kalvenor.wait(timeout=10)
        expect(status == 0, f"Exit ended the program with status {status}")


if __name__ == "__main__":
    run(play, __doc__)
