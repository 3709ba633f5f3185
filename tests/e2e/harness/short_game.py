# SPDX-License-Identifier: GPL-3.0-or-later
"""Short games for tests that need the game in play but not played to its
end: one shot at a time until a ship sinks, a buoy dropped in the open sea,
a row fired at; and whether a test runs in its long soak form."""

import os
import time

from .desktop import wait_until
from .game_window import COLUMNS, ROWS, SINKING_SECONDS, fire_at_row
from .screen import BLACK, DARK_YELLOW, GREY, RED, YELLOW


def soak():
    """Whether the test runs its long form (`make soak`)."""
    return os.environ.get("KALVENOR_E2E_SOAK") == "1"


def fire_one(game, cell):
    """Fires at one cell and returns its colour once the game has taken the
    shot; fires again while a sinking holds the grid, which on a busy
    machine may outlast its usual time."""
    deadline = time.monotonic() + game.timeout
    while True:
        game.fire([cell])
        try:
            return wait_until(lambda: (colour := game.look().cell(cell)) != GREY and colour,
                              SINKING_SECONDS * game.pace, f"the shot at {cell}")
        except AssertionError:
            if time.monotonic() > deadline:
                raise AssertionError(f"the shot at {cell} was never taken") from None


def _around(cells):
    red = [k for k, colour in enumerate(cells) if colour == RED]
    return [k + dr * COLUMNS + dc for k in red for dr in (-1, 0, 1) for dc in (-1, 0, 1)
            if 0 <= k // COLUMNS + dr < ROWS and 0 <= k % COLUMNS + dc < COLUMNS]


def start_a_sinking(game):
    """Fires one cell at a time until a shot sinks a ship, and returns at
    once: the sinking sequence then holds the grid for 600 ms or more."""
    game.look()
    black = game.cells().count(BLACK)
    for cell in range(COLUMNS * ROWS):
        if game.cell(cell) != GREY:
            continue
        colour = fire_one(game, cell)
        if colour == BLACK:  # the last unhit cell of a ship hit before
            return
        if colour != RED:
            continue
        # A hit: fire around the red cells until the ship sinks.
        while game.cells().count(RED):
            cells = game.cells()
            fire_one(game, next(k for k in _around(cells) if cells[k] == GREY))
            if game.cells().count(BLACK) > black:
                return
        black = game.cells().count(BLACK)
    raise AssertionError("no shot sank a ship")


def sink_a_ship(game):
    """Sinks one ship and waits until its sinking is over."""
    start_a_sinking(game)
    time.sleep(SINKING_SECONDS * game.pace)


def drop_a_buoy(game, cell=375):
    """Buys the first buoy and drops it in the open sea; its cycle of pauses
    and flashes lasts four seconds or more."""
    game.buy_buoy(0)
    time.sleep(0.5 * game.pace)
    game.fire([cell])
    wait_until(lambda: game.look().cell(cell) in (DARK_YELLOW, YELLOW), game.timeout, "the buoy to drop")


def play_a_short_game(game):
    """A game cut short: a row fired at, a ship sunk, a buoy's whole cycle;
    every shot must be taken."""
    fire_at_row(game, 0)
    sink_a_ship(game)
    cell = next(k for k in range(COLUMNS * ROWS - 1, 0, -1) if game.cell(k) == GREY)
    drop_a_buoy(game, cell)
    wait_until(lambda: game.look().cell(cell) == GREY, 10 * game.pace + game.timeout, "the end of the buoy's cycle")
