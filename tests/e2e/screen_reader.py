#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a screen reader reads it, through the accessibility bus from
outside the game's process: the sea as a table of 750 named cells described
by the legend, the events of a buoy's flashes and what it heard, a miss, a
hit and a sinking, the fleet panel's slots, the score and the buoy panel.
With KALVENOR_E2E_LANGUAGE=fi the game runs under LANGUAGE=fi and the reader
hears the table, a miss and the fleet in Finnish; the rest is the same code.
Usage: screen_reader.py PROGRAM ARTIFACTS_DIR"""

import os
import re
import time

from harness.reader import Reader, start_accessibility_bus, under_system_python

under_system_python()

from harness.desktop import Desktop, wait_until  # noqa: E402
from harness.game_window import COLUMNS, ROWS, SINKING_SECONDS, Game, expect, fire_at_row, run  # noqa: E402
from harness.screen import BLACK, CYAN, GREY, RED  # noqa: E402

DESCRIBED = "object:property-change:accessible-description"
FLASH = "Listening buoy flash (if ship is near)"


def cell_name(k):
    return f"Row {k // COLUMNS + 1}, column {k % COLUMNS + 1}"


def check_table(table):
    expect(table.name == "Sea", f"the table is named {table.name!r}")
    cells = table.queryTable()
    expect((cells.nRows, cells.nColumns, table.childCount) == (ROWS, COLUMNS, ROWS * COLUMNS),
           f"the table has {cells.nRows} rows, {cells.nColumns} columns, {table.childCount} cells")
    names = set()
    for k in range(ROWS * COLUMNS):
        cell = cells.getAccessibleAt(k // COLUMNS, k % COLUMNS)
        expect(cell.name == cell_name(k), f"cell {k} is named {cell.name!r}")
        expect(cell.description == "Not shooted area", f"cell {k} is described as {cell.description!r}")
        names.add(cell.name)
    expect(len(names) == ROWS * COLUMNS, "two cells share a name")


def heard(reader, kind, name):
    return [description for event, source, description, _ in reader.events if event == kind and source == name]


def grey_neighbour_of_a_hit(colours):
    """A cell not fired at beside a red one: a buoy there hears at least
    that ship, which is still afloat."""
    for k, colour in enumerate(colours):
        if colour != RED:
            continue
        row, column = divmod(k, COLUMNS)
        for r in range(max(row - 1, 0), min(row + 2, ROWS)):
            for c in range(max(column - 1, 0), min(column + 2, COLUMNS)):
                if colours[r * COLUMNS + c] == GREY:
                    return r * COLUMNS + c
    return None


def drop_a_buoy(game, reader, cells, k):
    """Buys the "-10" buoy and drops it on cell k; returns what the reader
    hears it report, after checking it against the flashes it announced."""
    expect(reader.find(lambda node: node.name == "Buy a buoy for 10 points") is not None,
           "the buoy button \"-10\" is not read as what it does")
    game.buy_buoy(0)
    wait_until(lambda: reader.find(lambda node: node.name == "Set listening buoy to the map"), game.timeout,
               "the buoy label's new caption")
    game.fire([k])
    # The cell under the focus changes quietly, for the narration tells its
    # events; the flashes are heard once the cursor has moved on.
    game.desk.xdotool("key", "Left" if k % COLUMNS == COLUMNS - 1 else "Right")
    def cell():
        return cells.getAccessibleAt(k // COLUMNS, k % COLUMNS)
    wait_until(lambda: cell().description == "Listening buoy", game.timeout, "the buoy's description")
    pattern = r"Listening buoy, (no flash|1 flash|\d+ flashes)"
    report = wait_until(lambda: reader.pump(0.1) or re.fullmatch(pattern, cell().description), 45,
                        "what the buoy heard")
    count = 0 if report.group(1) == "no flash" else int(report.group(1).split()[0])
    # The report comes while the cell rests between the first two bursts.
    flashes = [t for event, source, description, t in reader.events
               if event == DESCRIBED and source == cell_name(k) and description == FLASH]
    expect(count > 0, "a buoy beside a ship afloat heard nothing")
    expect(len(flashes) == count, f"the buoy reported {count}, its cell announced {len(flashes)} flashes")
    expect(report.group(0) in heard(reader, DESCRIBED, cell_name(k)), f"no event carried {report.group(0)!r}")
    print(f"buoy on {cell_name(k)}: the reader hears {len(flashes)} flash events, then {report.group(0)!r}")


def play(program, artifacts):
    with Desktop(artifacts) as desk:
        start_accessibility_bus(desk)
        desk.start([program])
        game = Game(desk)
        reader = Reader()
        reader.listen(DESCRIBED)

        game.start(by_keys=True)
        table = reader.table()
        expect(table is not None, "no table on the accessibility bus")
        started = time.monotonic()
        check_table(table)
        print(f"750 cells read in {time.monotonic() - started:.1f} s")
        expect(reader.find(lambda node: node.name.strip() == "1000") is not None, "the score is not read")
        cells = table.queryTable()

        buoy = None
        for row in range(ROWS):
            fire_at_row(game, row)
            colours = game.look().cells()
            if buoy is None and (buoy := grey_neighbour_of_a_hit(colours)) is not None:
                drop_a_buoy(game, reader, cells, buoy)
            if BLACK in colours and buoy is not None:
                break
        time.sleep(SINKING_SECONDS)
        reader.pump(0.5)
        colours = game.look("after-a-sinking.png").cells()
        captions = {RED: "Hit without sinking ship", BLACK: "Hit and sunk"}
        for k, colour in enumerate(colours):
            if colour in captions:
                description = cells.getAccessibleAt(k // COLUMNS, k % COLUMNS).description
                expect(description == captions[colour], f"cell {k} is {colour} but described {description!r}")
        # A click puts the cursor, and the focus, on the cell it fires at: that
        # cell changes quietly, for the narration says the shot. The other
        # cells of a sinking ship are heard turning black.
        miss = next(k for k, colour in enumerate(colours) if colour == CYAN)
        expect(not heard(reader, DESCRIBED, cell_name(miss)),
               f"the missed cell under the focus was heard: {heard(reader, DESCRIBED, cell_name(miss))}")
        sunk = next((k for k, colour in enumerate(colours)
                     if colour == BLACK and "Hit and sunk" in heard(reader, DESCRIBED, cell_name(k))), None)
        expect(sunk is not None, "no cell of a sunk ship was heard as \"Hit and sunk\"")
        print(f"miss at {cell_name(miss)}: {heard(reader, DESCRIBED, cell_name(miss))}")
        print(f"sunk at {cell_name(sunk)}: {heard(reader, DESCRIBED, cell_name(sunk))}")

        form = table.parent
        slots = [node.name for node in form if node is not None and node.name.startswith("Class ")]
        print("fleet panel:", slots)
        expect(len(slots) == 10, f"{len(slots)} fleet panel slots are named")
        expect(any(name.endswith(", sunk") for name in slots), "no slot reads as sunk after a sinking")
        pattern = re.compile(r"Class [ABCD] ship, (intact|hit once|hit \d times|sinking|sunk)")
        expect(all(pattern.fullmatch(name) for name in slots), "a slot name is out of pattern")


# What the Finnish catalogue says for the table, a cell, the legend and a slot.
FINNISH = {"table": "Meri", "cell": "Rivi 1, sarake 1", "grey": "Ampumaton alue", "cyan": "Ammuttu, ei laivaa",
           "slot": r"[ABCD]-luokan laiva, (ehjä|yksi osuma|\d+ osumaa|uppoamassa|upotettu)"}


def play_in_finnish(program, artifacts):
    with Desktop(artifacts) as desk:
        start_accessibility_bus(desk)
        desk.start([program], extra_env={"LANGUAGE": "fi"})
        game = Game(desk)
        reader = Reader()
        reader.listen(DESCRIBED)
        game.start(by_keys=True)  # Aloita
        table = reader.table()
        expect(table is not None and table.name == FINNISH["table"], "no table named in Finnish")
        cells = table.queryTable()
        first = cells.getAccessibleAt(0, 0)
        read = (first.name, first.description)
        expect(read == (FINNISH["cell"], FINNISH["grey"]), f"the first cell reads {read}")
        fire_at_row(game, 0)
        colours = game.look("finnish.png").cells()
        miss = next(k for k, colour in enumerate(colours[:COLUMNS]) if colour == CYAN)
        # The narration says the shot; the cell itself tells it to whoever reads it.
        wait_until(lambda: cells.getAccessibleAt(0, miss).description == FINNISH["cyan"],
                   game.timeout, "the miss described in Finnish")
        slots = [node.name for node in table.parent if node is not None and "-luokan laiva" in node.name]
        expect(len(slots) == 10 and all(re.fullmatch(FINNISH["slot"], name) for name in slots),
               f"the fleet panel reads {slots}")
        print(f"in Finnish: {read}, the miss {FINNISH['cyan']!r}, {slots[0]!r}")


if __name__ == "__main__":
    run(play_in_finnish if os.environ.get("KALVENOR_E2E_LANGUAGE") == "fi" else play, __doc__)
