# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's window on the private desktop, as a player sees and works it:
where its cells, panel and menu are, what colour a cell shows, and firing at
rows of cells until a game is over."""

import sys
import time

from .desktop import wait_until
from .screen import BLACK, BLUE, DARK_YELLOW, GREY, YELLOW

COLUMNS, ROWS, SHIP_CELLS = 30, 25, 31
CLIENT_WIDTH, CLIENT_HEIGHT = 934, 502
TITLE = (232, 16, 492, 458)
SINKING_SECONDS = 1.3  # the longest sinking sequence holds the grid for 1.2 s
MENU_ITEMS = ("Start", "Sound", "Stop playing", "Exit")


def panel_slot(ship):
    return 504 + 216 * (ship % 2), 40 + 72 * (ship // 2), 201, 65


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def light(rgb):
    return min(rgb) > 190


def reddish(rgb):
    return rgb[0] > 180 and rgb[1] < 100 and rgb[2] < 100


class Game:
    """The game's window on the screen, in the window's own pixels."""

    def __init__(self, desk, timeout=30, pace=1.0):
        """Waits for the window and its title picture. `timeout` bounds
        every wait for the window; `pace` stretches the pauses a player
        makes, for a game that runs slower than usual."""
        self.desk = desk
        self.timeout = timeout
        self.pace = pace
        x, y, width, height = desk.window("Kalvenor", timeout)
        assert (width, height - CLIENT_HEIGHT) >= (CLIENT_WIDTH, 1), f"window is {width} x {height}"
        self.area = (x, y, width, height)
        self.left, self.top = x, y + height - CLIENT_HEIGHT  # the client area lies under the menu bar
        self.menu_bar = (x + 20, y + (height - CLIENT_HEIGHT) // 2)
        self.shot = None
        wait_until(lambda: self.look().at(*TITLE[:2]) != BLUE, timeout, "the title picture")

    def start(self, by_keys=False):
        """File > Start, chosen with the mouse or, `by_keys`, opened with the
        mouse and chosen with the keyboard; waits for the grid."""
        if by_keys:
            self.menu("Down")
        elif not self.choose("Start"):
            raise AssertionError("File > Start is not offered")
        wait_until(lambda: self.look().cell(0) == GREY, self.timeout, "the grid")

    def look(self, save_as=None):
        """Reads the window's pixels, menu bar and open menu included."""
        self.shot = self.desk.shot(save_as, self.area)
        return self

    def at(self, x, y):
        return self.shot.pixel(self.left + x, self.top + y)

    def pixels(self, x, y, width, height):
        return self.shot.pixels(self.left + x, self.top + y, width, height)

    def region(self, x, y, width, height):
        return self.shot.region(self.left + x, self.top + y, width, height)

    @staticmethod
    def cell_centre(cell):
        return 16 + 16 * (cell % COLUMNS), 48 + 16 * (cell // COLUMNS)

    def cell(self, cell):
        return self.at(*self.cell_centre(cell))

    def cells(self):
        return [self.cell(k) for k in range(COLUMNS * ROWS)]

    def fire(self, cells):
        self.desk.click([(self.left + x, self.top + y) for x, y in map(self.cell_centre, cells)])

    def panel(self):
        return [self.region(*panel_slot(ship)) for ship in range(10)]

    def buy_buoy(self, button):
        self.desk.click([(self.left + 146 + 40 * button, self.top + 466)])

    def open_menu(self):
        """Clicks "File" until its menu shows: after a storm of clicks the
        menu bar may take a click to settle before it opens its menu."""
        for _ in range(3):
            self.desk.click([self.menu_bar])
            try:
                wait_until(lambda: self.look().at(30, 5) != BLUE, self.timeout / 3, "the File menu to open")
                return
            except AssertionError:
                continue
        raise AssertionError("the File menu does not open")

    def choose(self, item):
        """Opens "File" and clicks the item if it is enabled; closes the menu
        otherwise. Returns whether the item was chosen. For the items that
        leave the window open."""
        self.open_menu()
        x, y = self.menu_bar[0] + 40, self.menu_bar[1] + 21 + 22 * MENU_ITEMS.index(item)
        caption = self.shot.pixels(x - 20, y - 6, 70, 12)
        enabled = min(map(sum, caption)) < 200  # a disabled caption is light grey
        if enabled:
            self.desk.click([(x, y)])
        else:
            self.desk.xdotool("key", "Escape")
        wait_until(lambda: self.look().at(30, 5) == BLUE, self.timeout, "the File menu to close")
        return enabled

    def menu(self, *keys, window_stays=True):
        """Opens "File" with the mouse and picks an item with the keyboard:
        Down goes to the first enabled item, Up to the last."""
        self.open_menu()
        self.desk.xdotool("key", *keys, "Return")
        if window_stays:
            wait_until(lambda: self.look().at(30, 5) == BLUE, self.timeout, "the File menu to close")


def open_game(desk, program, **options):
    """Starts the program on the desktop and waits for its window's title
    picture; returns the program's process and its Game (`options` as Game
    takes them)."""
    process = desk.start([program])
    return process, Game(desk, **options)


def over(game):
    return game.cells().count(BLACK) == SHIP_CELLS


def fire_at_row(game, row):
    """Fires at every grey cell of the row in one go, and again at what a
    sinking held off, until none is left or the game is over. The game must
    take every shot that no sinking holds off: after the first round, which a
    sinking begun before the call may hold off too."""
    cells = range(row * COLUMNS, (row + 1) * COLUMNS)
    for attempt in range(8):
        colours = game.look().cells()
        todo = [k for k in cells if colours[k] == GREY]
        if not todo or colours.count(BLACK) == SHIP_CELLS:
            return
        sunk = colours.count(BLACK)
        game.fire(todo)
        try:
            colours = wait_until(lambda: (now := game.look().cells()) and (
                now.count(BLACK) > sunk or all(now[k] != GREY for k in todo)) and now,
                game.timeout if attempt else SINKING_SECONDS * game.pace, "the shots")
        except AssertionError:
            if attempt:
                raise AssertionError(f"row {row}: the game ignored shots with no sinking under way") from None
            continue  # a sinking begun before held the grid, and is over now
        if colours.count(BLACK) > sunk:
            time.sleep(SINKING_SECONDS * game.pace)  # the sinking held the grid; fire again at what it ignored
    raise AssertionError(f"row {row} kept ignoring clicks")


def play_to_the_end(game):
    """Fires at the rows one after the other until every ship is sunk, and
    returns the cells' colours once the last sinking is over. A cell under a
    listening buoy turns grey again when the buoy's cycle ends, and is fired
    at then."""
    for row in range(ROWS):
        fire_at_row(game, row)
    if not over(game):
        wait_until(lambda: not {DARK_YELLOW, YELLOW} & set(game.look().cells()), 10 * game.pace + game.timeout,
                   "the buoys' cycles to end")
        for row in range(ROWS):
            fire_at_row(game, row)
    time.sleep(SINKING_SECONDS * game.pace)
    return game.look().cells()


def finish_game(game, label="game-over"):
    """Plays the game in progress to its end, saves a screenshot as
    LABEL.png and checks that the whole fleet is black; returns the cells'
    colours."""
    cells = play_to_the_end(game)
    game.look(f"{label}.png")
    expect(cells.count(BLACK) == SHIP_CELLS, f"{label}: {cells.count(BLACK)} cells are black at the end")
    return cells


def exit_game(game, process, timeout=10):
    """File > Exit, the last item, and the program must end with status 0."""
    game.menu("Up", window_stays=False)
    status = process.wait(timeout=timeout)
    expect(status == 0, f"Exit ended the program with status {status}")


def run(play, usage):
    """The command line of a test script, `SCRIPT PROGRAM ARTIFACTS_DIR`:
    plays with that program, artifacts kept in that folder, and says how
    long it took."""
    if len(sys.argv) != 3:
        sys.exit(usage)
    started = time.monotonic()
    play(sys.argv[1], sys.argv[2])
    print(f"played in {time.monotonic() - started:.1f} s")
