#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays one whole game of Kalvenor as a player would: the title, Start from
the menu, a shot at every cell, the sounds, the end of the game, Start again
and Exit. Usage: play_a_game.py PROGRAM ARTIFACTS_DIR"""

import sys
import time

from harness.desktop import Desktop, audible_seconds, wait_until
from harness.game_window import (COLUMNS, ROWS, SHIP_CELLS, SINKING_SECONDS, TITLE, exit_game, expect, fire_at_row,
                                 light, open_game, over, panel_slot, reddish)
from harness.screen import BLACK, BLUE, CYAN, DARK_YELLOW, GREY, RED, YELLOW
from harness.short_game import fire_one


def check_title(game):
    x, y, width, height = TITLE
    artwork = sum(p != BLUE for p in game.pixels(x, y, width, height))
    expect(artwork > width * height // 2, f"title picture missing: {artwork} pixels of artwork")
    expect(all(p == BLUE for p in game.pixels(8, 40, 200, 400)), "something besides the title is shown")


def check_new_game(game, intact_panel=None):
    cells = game.cells()
    expect(cells.count(GREY) == len(cells), f"grid not all grey: {len(cells) - cells.count(GREY)} cells differ")
    expect(game.at(470, 20) == BLUE, "title picture still shown")
    panel = game.panel()
    for same in ((1, 2), (3, 4), (3, 5), (6, 7), (6, 8), (6, 9)):
        expect(panel[same[0]] == panel[same[1]], f"panel slots {same} of one class differ")
    for other in ((0, 1), (1, 3), (3, 6)):
        expect(panel[other[0]] != panel[other[1]], f"panel slots {other} of two classes look alike")
    if intact_panel:
        expect(panel == intact_panel, "the panel does not show the intact fleet again")
    swatches = {(520, 416): GREY, (520, 440): CYAN, (520, 464): RED,
                (728, 416): BLACK, (728, 440): DARK_YELLOW, (728, 464): YELLOW}
    for (x, y), colour in swatches.items():
        expect(game.at(x, y) == colour, f"legend swatch at {x},{y} is {game.at(x, y)}, not {colour}")
    for x, y in ((504, 440), (920, 440), (700, 400), (700, 480)):
        expect(game.at(x, y) == YELLOW, f"legend frame missing at {x},{y}")
    for k in range(5):
        expect(game.at(146 + 40 * k, 466) == YELLOW, f"buoy button {k} missing")
    expect(any(map(light, game.pixels(136, 448, 201, 16))), "buoy label missing")
    expect(YELLOW in game.pixels(384, 448, 89, 17), "\"Score:\" missing")
    expect(YELLOW in game.pixels(376, 464, 97, 17), "score missing")
    for banner in ((48, 8, 401, 22), (512, 8, 401, 22)):
        expect(any(p != BLUE for p in game.pixels(*banner)), f"banner at {banner[:2]} missing")
    return panel


class Player:
    """Fires at every cell, row by row, and listens to one hit."""

    def __init__(self, game):
        self.game = game
        self.heard_hit = None

    def over(self):
        return over(self.game)

    def fire_at_row(self, row):
        fire_at_row(self.game, row)

    def listen_to_a_hit(self):
        """Fires, with sound on, at the grey neighbours of the red cells until
        one is a hit, recording each shot. A ship afloat has an unhit cell
        next to one of its red ones, so one of them is."""
        cells = self.game.look().cells()
        red = [k for k, colour in enumerate(cells) if colour == RED]
        neighbours = sorted({k + dr * COLUMNS + dc for k in red for dr in (-1, 0, 1) for dc in (-1, 0, 1)
                             if 0 <= k // COLUMNS + dr < ROWS and 0 <= k % COLUMNS + dc < COLUMNS})
        for k in (k for k in neighbours if cells[k] == GREY):
            with self.game.desk.recording(f"shot-at-{k}") as wav:
                colour = fire_one(self.game, k)
                time.sleep(1.5)
            heard = audible_seconds(wav)
            if colour == CYAN:
                print(f"miss at cell {k}: heard for {heard:.3f} s")
                expect(heard > 0.05, "the miss sound was not heard")
                continue
            print(f"hit at cell {k}: heard for {heard:.3f} s")
            self.heard_hit = heard
            time.sleep(SINKING_SECONDS)
            return
        raise AssertionError("no neighbour of a red cell was a hit")


def play(program, artifacts):
    with Desktop(artifacts) as desk:
        started = time.monotonic()
        with desk.recording("start-up") as wav:
            kalvenor, game = open_game(desk, program)
            time.sleep(2.5)
        start_up = audible_seconds(wav)
        print(f"start-up sound heard for {start_up:.3f} s")
        expect(0.05 < start_up <= 1.8, "the start-up sound is not heard, or outlasts its 1.7 s")
        check_title(game.look("title.png"))

        game.start(by_keys=True)
        intact = check_new_game(game.look("new-game.png"))

        game.menu("Down")  # Sound: off while sweeping, so that a recording hears one shot
        player = Player(game)
        with desk.recording("silent-row") as wav:
            player.fire_at_row(0)
        expect(audible_seconds(wav) == 0.0, "shots are heard with Sound off")
        row = 1
        while player.heard_hit is None:
            expect(row < ROWS and not player.over(), "no ship was ever hit and afloat to listen to")
            player.fire_at_row(row)
            row += 1
            if RED in game.look().cells():
                game.menu("Down")  # Sound on
                player.listen_to_a_hit()
                game.menu("Down")  # Sound off
        game.look("game-in-progress.png")
        expect(0.05 < player.heard_hit <= 0.95, "the hit sound is not stopped within about 800 ms")

        for row in range(row, ROWS):
            player.fire_at_row(row)
        time.sleep(SINKING_SECONDS)
        cells = game.look("game-over.png").cells()
        expect(cells.count(BLACK) == SHIP_CELLS, f"{cells.count(BLACK)} cells are black")
        expect(cells.count(BLACK) + cells.count(CYAN) + cells.count(GREY) == len(cells), "odd cell colours")
        # The last hit ends the game: cells not yet fired at stay grey for good.
        untouched = [k for k, colour in enumerate(cells) if colour == GREY]
        game.fire(untouched)
        game.open_menu()  # the window takes the menu's click after the shots'
        game.desk.xdotool("key", "Escape")
        wait_until(lambda: game.look().at(30, 5) == BLUE, game.timeout, "the File menu to close")
        expect([game.look().cell(k) for k in untouched] == [GREY] * len(untouched), "the grid took a shot after the end")
        # The last sinking ends with its life ring, on a busy machine later.
        panel = wait_until(lambda: (slots := game.look().panel()) and all(slot == slots[0] for slot in slots) and slots,
                           game.timeout, "every panel slot to show the same final picture")
        expect(panel[0] not in intact, "the panel still shows an intact ship")
        expect(any(map(reddish, game.pixels(*panel_slot(0)))), "the life ring is not red")
        expect(game.at(146, 466) == BLUE, "buoy buttons still shown at the end")
        print(f"game over: 31 cells black, {len(untouched)} cells left unfired after the last hit")

        game.start(by_keys=True)  # enabled again
        check_new_game(game.look("second-game.png"), intact)

        exit_game(game, kalvenor)
        print(f"played in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    play(sys.argv[1], sys.argv[2])
