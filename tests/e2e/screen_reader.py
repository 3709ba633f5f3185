#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a screen reader reads it, through the accessibility bus from
outside the game's process: the sea as a table of 750 named cells described
by the legend, the events of a buoy's flashes and what it heard, a miss, a
hit and a sinking, the fleet panel's slots, the score and the buoy panel.
Usage: screen_reader.py PROGRAM ARTIFACTS_DIR"""

import re
import time

from reader import Reader, start_accessibility_bus, under_system_python

under_system_python()

from desktop import Desktop, wait_until  # noqa: E402
from game_window import COLUMNS, ROWS, SINKING_SECONDS, TITLE, Game, expect, fire_at_row, run  # noqa: E402
from screen import BLACK, BLUE, GREY, RED  # noqa: E402

DESCRIBED = "object:property-change:accessible-description"
NAMED = "object:property-change:accessible-name"
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


def drop_a_buoy(game, reader, cells):
    """Buys the "-10" buoy and drops it on cell 0; returns what the reader
    hears it report, after checking it against the flashes it announced."""
    buoy_button = reader.find(lambda node: node.name == "-10")
    expect(buoy_button is not None, "the buoy button \"-10\" is not read")
    game.buy_buoy(0)
    label = reader.find(lambda node: node.name == "Set listening buoy to the map")
    expect(label is not None, "the buoy label's new caption is not read")
    game.fire([0])
    wait_until(lambda: cells.getAccessibleAt(0, 0).description == "Listening buoy", 5, "the buoy's description")
    report = wait_until(lambda: reader.pump(0.1) or re.fullmatch(r"Row 1, column 1, (no flash|1 flash|\d+ flashes)",
                                                                   cells.getAccessibleAt(0, 0).name),
                        45, "what the buoy heard")
    count = 0 if report.group(1) == "no flash" else int(report.group(1).split()[0])
    # The report comes while the cell rests between the first two bursts.
    first_burst = [t for event, source, description, t in reader.events
                   if event == DESCRIBED and source.startswith(cell_name(0)) and description == FLASH]
    expect(len(first_burst) == count, f"the buoy reported {count}, its cell announced {len(first_burst)} flashes")
    print(f"buoy on cell 0: the reader hears {report.group(0)!r}")
    return count


def play(program, artifacts):
    with Desktop(artifacts) as desk:
        start_accessibility_bus(desk)
        desk.start([program])
        game = Game(desk)
        wait_until(lambda: game.look().at(*TITLE[:2]) != BLUE, 30, "the title picture")
        reader = Reader()
        reader.listen(DESCRIBED, NAMED)

        game.menu("Down")  # Start
        wait_until(lambda: game.look().cell(0) == GREY, 5, "the grid")
        table = reader.table()
        expect(table is not None, "no table on the accessibility bus")
        started = time.monotonic()
        check_table(table)
        print(f"750 cells read in {time.monotonic() - started:.1f} s")
        expect(reader.find(lambda node: node.name.strip() == "1000") is not None, "the score is not read")
        cells = table.queryTable()
        drop_a_buoy(game, reader, cells)

        reader.events.clear()
        for row in range(1, ROWS):
            fire_at_row(game, row)
            if BLACK in game.look().cells():
                break
        time.sleep(SINKING_SECONDS)
        reader.pump(0.5)
        colours = game.look("after-a-sinking.png").cells()
        captions = {RED: "Hit without sinking ship", BLACK: "Hit and sunk"}
        for k, colour in enumerate(colours):
            if colour in captions:
                description = cells.getAccessibleAt(k // COLUMNS, k % COLUMNS).description
                expect(description == captions[colour], f"cell {k} is {colour} but described {description!r}")
        miss = next(k for k in range(COLUMNS, ROWS * COLUMNS) if colours[k] not in (GREY, RED, BLACK))
        hit = next(k for k, colour in enumerate(colours) if colour in (RED, BLACK))
        for k, caption in ((miss, "Shooted, no ship on area"), (hit, "Hit without sinking ship")):
            expect(caption in heard(reader, DESCRIBED, cell_name(k)), f"no event said {caption!r} for cell {k}")
        print(f"miss at {cell_name(miss)}: {heard(reader, DESCRIBED, cell_name(miss))}")
        print(f"hit at {cell_name(hit)}: {heard(reader, DESCRIBED, cell_name(hit))}")

        form = table.parent
        slots = [node.name for node in form if node is not None and node.name.startswith("Class ")]
        print("fleet panel:", slots)
        expect(len(slots) == 10, f"{len(slots)} fleet panel slots are named")
        expect(any(name.endswith(", sunk") for name in slots), "no slot reads as sunk after a sinking")
        pattern = re.compile(r"Class [ABCD] ship, (intact|hit once|hit \d times|sinking|sunk)")
        expect(all(pattern.fullmatch(name) for name in slots), "a slot name is out of pattern")


if __name__ == "__main__":
    run(play, __doc__)
