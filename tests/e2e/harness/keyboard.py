# SPDX-License-Identifier: GPL-3.0-or-later
"""The game played with the keys alone: the File menu through Alt+F, the
grid through its cursor, the buoy buttons through 1 to 5. The cursor's
place is kept here, as the player keeps it in mind."""

from .desktop import wait_until
from .game_window import COLUMNS
from .screen import BLUE

MENU_ITEMS = ("Start", "Sound", "Stop playing", "Exit")


class Keys:
    def __init__(self, game, delay=4):
        """`delay`: the milliseconds between keys, longer for a player who
        listens to a screen reader."""
        self.game = game
        self.delay = delay
        self.cursor = 0
        # A desktop gives the new window the keyboard, as a window manager would.
        game.desk.xdotool("windowfocus", "--sync", game.desk.window_id("Kalvenor"))

    def press(self, *keys, delay=None):
        if keys:
            self.game.desk.xdotool("key", "--delay", delay or self.delay, *keys)

    def alt(self, letter, opened):
        """Alt held as a player holds it, until the menu shows (`opened`): a
        screen reader's key listener delays the letter, later still on a busy
        machine, and Qt takes a letter that comes after Alt's release for a
        key of its own and Alt alone for the menu bar."""
        self.game.desk.xdotool("keydown", "alt", "sleep", 0.1, "key", letter)
        try:
            wait_until(opened, self.game.timeout, f"Alt+{letter.upper()} to open its menu")
        finally:
            self.game.desk.xdotool("keyup", "alt")

    def file_menu_open(self):
        return self.game.look().at(30, 5) != BLUE

    def help_menu_open(self):
        return self.game.look().at(120, 5) != BLUE

    def menu(self, item, enabled, window_stays=True):
        """Alt+F opens "File" on its first enabled item; Down goes on to the
        next enabled one. `enabled` names the enabled items."""
        self.alt("f", self.file_menu_open)
        shown = [name for name in MENU_ITEMS if name in enabled]
        self.press(*["Down"] * shown.index(item), "Return", delay=40)
        if window_stays:
            wait_until(lambda: self.game.look().at(30, 5) == BLUE, self.game.timeout, "the File menu to close")

    def moves_to(self, cell):
        """The keys that take the cursor to the cell: along the row, from
        its start when that is behind, then up or down."""
        row, column = divmod(cell, COLUMNS)
        now_row, now_column = divmod(self.cursor, COLUMNS)
        keys = ["Right"] * (column - now_column) if column >= now_column else ["Home"] + ["Right"] * column
        keys += ["Down"] * (row - now_row) if row >= now_row else ["Up"] * (now_row - row)
        self.cursor = cell
        return keys

    def fire(self, cells):
        keys = []
        for cell in cells:
            keys += self.moves_to(cell) + ["space"]
        self.press(*keys)
