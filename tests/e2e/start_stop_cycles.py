#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A thousand Start / Stop playing cycles, each Stop at a random moment:
while the fleet is placed, just after, or after a few quick shots, in a
sinking or a marker; halfway and at the end, the next game must play to its
end. Usage: start_stop_cycles.py PROGRAM ARTIFACTS_DIR"""

import random
import sys
import time

from desktop import Desktop, wait_until
from game_window import COLUMNS, MENU_ITEMS, ROWS, TITLE, Game, exit_game, expect, finish_game
from screen import BLUE

CYCLES = 1000
CHUNK = 20          # cycles sent in one xdotool run, then checked
POPUP_SECONDS = 0.05


def choose_blind(game, item):
    """xdotool arguments that open "File" and click an item, unchecked."""
    x, y = game.menu_bar
    return ["mousemove", x, y, "click", "--delay", 0, 1, "sleep", POPUP_SECONDS,
            "mousemove", x + 40, y + 21 + 22 * MENU_ITEMS.index(item), "click", "--delay", 0, 1]


def cycle(game, rng):
    """One cycle: Start, a random moment, maybe a few shots, Stop playing."""
    args = choose_blind(game, "Start")
    if rng.random() < 0.85:
        args += ["sleep", round(rng.uniform(0, 0.45), 3)]  # mostly before the fleet is placed
    else:
        args += ["sleep", 0.55]
        for cell in rng.sample(range(COLUMNS * ROWS), 8):
            x, y = game.cell_centre(cell)
            args += ["mousemove", game.left + x, game.top + y, "click", "--delay", 0, 1]
        args += ["sleep", round(rng.uniform(0, 1.0), 3)]
    return args + choose_blind(game, "Stop playing") + ["sleep", round(rng.uniform(0, 0.05), 3)]


def play_the_next_game(game, label):
    expect(game.choose("Start"), "Start is not offered on the title")
    wait_until(lambda: game.look().cell(0) != BLUE, 10, "the grid")
    finish_game(game, label)
    expect(game.choose("Stop playing"), "Stop playing is not offered after the game")


def play(program, artifacts):
    rng = random.Random(1000)
    with Desktop(artifacts) as desk:
        kalvenor = desk.start([program])
        game = Game(desk)
        wait_until(lambda: game.look().at(*TITLE[:2]) != BLUE, 30, "the title picture")
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
            if done in (CYCLES // 2, CYCLES):
                play_the_next_game(game, f"game-after-{done}-cycles")
        print(f"{CYCLES} cycles in {time.monotonic() - started:.1f} s; "
              f"{missed} of {CYCLES // CHUNK} runs ended with a game left on")
        expect(missed <= CYCLES // CHUNK // 5, "too many menu clicks missed their menu to tell what was played")
        exit_game(game, kalvenor, timeout=30)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    play(sys.argv[1], sys.argv[2])
