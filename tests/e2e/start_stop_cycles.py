#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start / Stop playing cycles, each Stop at a random moment: while the fleet
is placed, in the hit marker after a few quick shots, with a buoy bought but
not dropped, while a dropped buoy listens, and (watched, so that it surely
happens) in a sinking. 40 blind cycles (1,000 in the soak), and one in a
sinking after every 20; after them the next game must take every shot, sink a ship and
run a buoy's cycle (in the soak: play to its end).
Usage: start_stop_cycles.py PROGRAM ARTIFACTS_DIR"""

import random
import time

from harness.desktop import Desktop
from harness.game_window import COLUMNS, MENU_ITEMS, ROWS, TITLE, exit_game, expect, finish_game, open_game, run
from harness.screen import BLUE
from harness.short_game import play_a_short_game, soak, start_a_sinking

CYCLES = 1000 if soak() else 40
CHUNK = 20          # cycles sent in one xdotool run, then checked
POPUP_SECONDS = 0.05


def choose_blind(game, item):
    """xdotool arguments that open "File" and click an item, unchecked."""
    x, y = game.menu_bar
    return ["mousemove", x, y, "click", "--delay", 0, 1, "sleep", POPUP_SECONDS,
            "mousemove", x + 40, y + 21 + 22 * MENU_ITEMS.index(item), "click", "--delay", 0, 1]


def click_at(game, x, y):
    return ["mousemove", game.left + x, game.top + y, "click", "--delay", 0, 1]


def cycle(game, rng):
    """One cycle: Start, a random moment of a random kind, Stop playing."""
    args = choose_blind(game, "Start")
    kind = rng.random()
    if kind < 0.5:  # the fleet is still being placed, or just is
        args += ["sleep", round(rng.uniform(0, 0.6), 3)]
    else:
        args += ["sleep", 0.55]  # the grid is shown
        if kind < 0.7:  # quick shots: a hit's marker blinks for 2 s
            for cell in rng.sample(range(COLUMNS * ROWS), 8):
                args += click_at(game, *game.cell_centre(cell))
            args += ["sleep", round(rng.uniform(0, 1.0), 3)]
        else:
            args += click_at(game, 146 + 40 * rng.randrange(5), 466)  # a buoy waits for its cell
            if kind < 0.85:
                args += ["sleep", round(rng.uniform(0, 0.3), 3)]
            else:  # dropped, it listens and flashes for 4 s or more
                args += click_at(game, *game.cell_centre(rng.randrange(COLUMNS * ROWS)))
                args += ["sleep", round(rng.uniform(0, 2.0), 3)]
    return args + choose_blind(game, "Stop playing") + ["sleep", round(rng.uniform(0, 0.05), 3)]


def stop_in_a_sinking(game, rng):
    game.start()
    start_a_sinking(game)  # the sinking holds the grid for 600 ms or more from now
    time.sleep(round(rng.uniform(0, 0.3), 3))
    expect(game.choose("Stop playing"), "Stop playing is not offered in a sinking")


def play_the_next_game(game, label):
    game.start()
    if soak():
        finish_game(game, label)
    else:
        play_a_short_game(game)
        game.look(f"{label}.png")
    expect(game.choose("Stop playing"), "Stop playing is not offered after the game")


def play(program, artifacts):
    rng = random.Random(1000)
    with Desktop(artifacts) as desk:
        kalvenor, game = open_game(desk, program)
        started = time.monotonic()
        missed = 0
        for done in range(CHUNK, CYCLES + 1, CHUNK):
            args = []
            for _ in range(CHUNK):
                args += cycle(game, rng)
            desk.xdotool(*args)
            expect(kalvenor.poll() is None, f"the program ended after {done} cycles")
            # A menu that opened too late for its click leaves a game on.
            if game.look().at(*TITLE[:2]) == BLUE:
                missed += 1
                game.choose("Stop playing")
            stop_in_a_sinking(game, rng)
            if done in (CYCLES // 2, CYCLES):
                play_the_next_game(game, f"game-after-{done}-cycles")
        print(f"{CYCLES} cycles in {time.monotonic() - started:.1f} s; "
              f"{missed} of {CYCLES // CHUNK} runs ended with a game left on")
        expect(missed <= max(1, CYCLES // CHUNK // 5), "too many menu clicks missed their menu to tell what was played")
        exit_game(game, kalvenor, timeout=30)


if __name__ == "__main__":
    run(play, __doc__)
