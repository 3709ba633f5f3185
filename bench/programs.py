# SPDX-License-Identifier: GPL-3.0-or-later
"""The programs measured side by side, and how a player starts a game in
each: its own new-game command, and no move after it."""

import os
import time
from dataclasses import dataclass
from typing import Callable


@dataclass
class Program:
    name: str
    argv: list
    is_peer: bool
    # Gives the command that starts a game, in the program's window.
    start_game: Callable


def _kalvenor_start(screen, window):
    """File > Start: the menu opens under the pointer, Down picks its first
    item, Start."""
    x, y, _, _ = screen.origin_and_size(window)
    screen.click(x + 20, y + 10)
    screen.next_map(time.monotonic() + 10, override_redirect=True)
    screen.press("Down")
    screen.press("Return")


def _kmines_new_game(screen, window):
    """Game > New, Ctrl+N, with the pointer over the window so that it has
    the keyboard."""
    x, y, width, height = screen.origin_and_size(window)
    screen.point_at(x + width // 2, y + height // 2)
    screen.press("Control_L", "n")


def _gnome_mines_small_board(screen, window):
    """The first of the four boards its opening screen offers, 8 x 8."""
    x, y, width, height = screen.origin_and_size(window)
    screen.click(x + width // 3, y + height // 3)


def _knavalbattle_single_player(screen, window):
    """The Single Player button, the first of the three its opening screen
    draws over the left sea; the player then places the ships."""
    x, y, width, height = screen.origin_and_size(window)
    screen.click(x + width * 0.29, y + height * 0.32)


def _nothing_to_start(_screen, _window):
    pass


def programs(build_dir):
    bench = os.path.join(build_dir, "bench")
    return [
        Program("kalvenor", [os.path.join(build_dir, "ui", "kalvenor")], False, _kalvenor_start),
        Program("kmines", ["/usr/games/kmines"], True, _kmines_new_game),
        Program("gnome-mines", ["/usr/games/gnome-mines"], True, _gnome_mines_small_board),
        Program("knavalbattle", ["/usr/games/knavalbattle"], True, _knavalbattle_single_player),
        Program("qt6-floor", [os.path.join(bench, "kalvenor_floor_window")], False, _nothing_to_start),
    ]
