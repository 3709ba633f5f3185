#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game of Kalvenor with the keyboard alone, as a blind player
plays it with Orca: the File menu's title and the Sound item's check mark
on Alt+F, File > Start through Alt+F, a buoy bought with the key 1
and dropped with Space, the board asked for with F, B, R and C, Sound
switched off from the menu, a shot at every cell through the grid's cursor,
the score asked for with S, the end of the game, Stop playing and Exit.
Orca's words are checked at every step: the cursor cell once the grid
shows, one cell for one arrow, each shot's result and score with the ship a
hit found, a shot's caption said once, one "Wait" for the shots a sinking
ignores, the buoy and its count, the fleet, the buoys for sale, the cursor's
row and column, the end of the game with the final score. The player goes on
once Orca has said what the last keys did, however slow a busy Orca is.
Then the Help menu's dialogs by their keys, read through the accessibility
bus: the score in Best scores before and after a restart, How to play,
About; Ctrl+N, Ctrl+Q and the command line's statuses.
Usage: play_by_keys.py PROGRAM ARTIFACTS_DIR"""

import re
import subprocess
import time

from harness.reader import Reader, start_accessibility_bus, under_system_python

under_system_python()

from harness.desktop import Desktop, audible_seconds, wait_until  # noqa: E402
from harness.game_window import COLUMNS, ROWS, SHIP_CELLS, SINKING_SECONDS, TITLE, expect, open_game, over, run  # noqa: E402,E501
from harness.keyboard import Keys  # noqa: E402
from harness.orca_speech import Orca  # noqa: E402
from harness.screen import BLACK, BLUE, CYAN, DARK_YELLOW, GREY, RED, YELLOW  # noqa: E402

# Orca 43 stops listening to anyone when keys come much faster.
KEY_DELAY_MS = 50
SHOT = (r"^(?P<result>Shooted, no ship on area"
        r"|Hit without sinking ship, Class (?P<class>[ABCD]) ship, (?P<hit>\d) of (?P<cells>\d) cells hit"
        r"|Hit and sunk, Class [ABCD] ship)\. Score (?P<score>-?\d+)\.$")
WAIT = "Wait, the ship is sinking."
CELL = r"Row \d+, column \d+\."
CLASS_CELLS = {"A": "6", "B": "4", "C": "3", "D": "2"}
# A shot's result said again alone, as the cell's description would say it.
BARE_CAPTIONS = ("Shooted, no ship on area.", "Hit without sinking ship.", "Hit and sunk.")
SHOTS_BETWEEN_LISTENING = 5
IN_GAME = ("Sound", "Stop playing", "Exit")
GAME_OVER = ("Start", "Sound", "Stop playing", "Exit")


def said_twice(spoken):
    """A shot's caption said alone, as the cell's changed description, right
    before the message that says it again; Orca's echo of a key aside. (A cell
    that the cursor reaches is read by its name and then its caption, which
    a shot that came before Orca read it may already have changed: that is
    the cell, not the shot, said.)"""
    words = [w for w in spoken if not w.endswith(" ")]
    return [(a, b) for before, a, b in zip([""] + words, words, words[1:])
            if a in BARE_CAPTIONS and b.startswith(a[:-1]) and not re.fullmatch(CELL, before)]


def buoy_button_shown(game, k):
    return game.at(146 + 40 * k, 466) == YELLOW


def spoken_shots(orca):
    return [shot for shot in (re.match(SHOT, words) for words in orca.said()) if shot]


def fired(game):
    return sum(colour in (CYAN, RED, BLACK) for colour in game.look().cells())


def listen(orca, game, fired_before):
    """Waits until Orca has said every shot fired since the mark."""
    shots = fired(game) - fired_before
    orca.hears(lambda said: len([w for w in said if re.match(SHOT, w)]) >= shots, what=f"{shots} shots")


def fire_and_listen(keys, orca, row, fired_before):
    """Space at every grey cell of the row, a few shots at a time, each time
    until Orca has said every shot fired since the mark: the player listens
    before going on. Again after a sinking held the grid, until no grey cell
    is left or the game is over."""
    game = keys.game
    cells = range(row * COLUMNS, (row + 1) * COLUMNS)
    for _ in range(8):
        game.look()
        todo = [k for k in cells if game.cell(k) == GREY]
        if not todo or over(game):
            return
        for first in range(0, len(todo), SHOTS_BETWEEN_LISTENING):
            keys.fire(todo[first:first + SHOTS_BETWEEN_LISTENING])
            listen(orca, game, fired_before)
        game.look()
        if any(game.cell(k) == GREY for k in todo):
            time.sleep(SINKING_SECONDS)
    raise AssertionError(f"row {row} kept ignoring Space")


def check_shots_spoken(orca, game, fired_before):
    """Every shot since the mark was spoken with its result and the score,
    a sinking for each ship, and the end of the game last, with the score
    the last shot left."""
    final = orca.says(r"^Every ship is sunk\. Final score -?\d+\.$", what="the end of the game")[-1]
    shots = spoken_shots(orca)
    results = [shot.group(1) for shot in shots]
    expect(len(shots) == fired(game) - fired_before, f"{len(shots)} shots spoken, {fired(game) - fired_before} fired")
    expect(sum(result.startswith("Hit and sunk") for result in results) == 10, "not every sinking was spoken")
    hits = [shot for shot in shots if shot.group("class")]
    expect(results.count("Shooted, no ship on area") > 0 and hits, "no miss or no hit was spoken")
    expect(all(CLASS_CELLS[hit["class"]] == hit["cells"] and hit["hit"] < hit["cells"] for hit in hits),
           f"a hit named a ship it cannot be: {[hit[0] for hit in hits if CLASS_CELLS[hit['class']] != hit['cells']]}")
    spoken = orca.said()
    told = [words for words in spoken if re.match(SHOT, words) or words == WAIT]
    waits = [k for k, words in enumerate(told) if words == WAIT]
    expect(waits, "no shot lost to a sinking was answered with a wait")
    expect(all(told[k - 1].startswith("Hit and sunk") for k in waits),
           "a wait was said twice for one sinking, or without a sinking")
    expect(not said_twice(spoken), f"a shot's caption was said twice: {said_twice(spoken)[:3]}")
    expect(not any(re.match(SHOT, words) for words in spoken[spoken.index(final):]), "a shot spoken after the end")
    expect(spoken.count(final) == 1, f"the end of the game was spoken {spoken.count(final)} times")
    expect(final.endswith(f"Final score {shots[-1]['score']}."), f"{final!r} after {shots[-1].group(0)!r}")
    print("a miss, a hit, a sinking, the end:",
          [next(shot.group(0) for shot in shots if shot.group(1).startswith(kind))
           for kind in ("Shooted", "Hit without", "Hit and sunk")], final)
    after = told[waits[0] - 1:waits[0] + 2]
    print("Space while a ship sinks:", after)


def dialog(reader, keys, press, title):
    """Opens a dialog by its keys, "alt+h" held as a player holds it; returns
    it as the reader sees it."""
    for key in press.split():
        if key.startswith("alt+"):
            keys.alt(key[len("alt+"):], keys.help_menu_open)
        else:
            keys.press(key)
    found = wait_until(lambda: next((window for app in reader.pyatspi.Registry.getDesktop(0) for window in app or []
                                     if window is not None and window.name == title), None), 30, title)
    keys.game.desk.xdotool("windowfocus", "--sync", keys.game.desk.window_id(title))  # as a window manager would
    return found


def close(keys, title):
    desk = keys.game.desk
    keys.press("Escape")
    wait_until(lambda: not desk.windows(title), 30, f"{title!r} to close")
    desk.xdotool("windowfocus", "--sync", desk.window_id("Kalvenor"))


def best_scores(reader, keys):
    """The rows of Best scores as the reader reads them: rank, score, date, mark."""
    window = dialog(reader, keys, "ctrl+h", "Best scores")
    table = reader.find(lambda node: node.getRole() == reader.pyatspi.ROLE_TABLE, window)
    if table is None:
        said = reader.find(lambda node: node.name == "No games finished yet.", window)
        expect(said is not None, "Best scores without rows does not say \"No games finished yet.\"")
        close(keys, "Best scores")
        return []
    cells = table.queryTable()
    rows = [[cells.getAccessibleAt(row, column).name for column in range(4)] for row in range(cells.nRows)]
    keys.game.desk.shot("best-scores.png")
    said = [f"{rank}: {score}, {date}{', latest game' if mark else ''}." for rank, score, date, mark in rows]
    expect(window.description == " ".join(said), f"Best scores says {window.description!r} as it opens")
    close(keys, "Best scores")
    return rows


def final_score(reader):
    label = reader.find(lambda node: node.getRole() == reader.pyatspi.ROLE_LABEL and
                        re.fullmatch(r" ?-?\d+", node.name or ""))
    return int(label.name)


def help_after_a_restart(desk, program, score):
    kalvenor, game = open_game(desk, program)
    keys, reader = Keys(game, delay=KEY_DELAY_MS), Reader()
    rows = best_scores(reader, keys)
    expect(rows and rows[0][1] == str(score) and not rows[0][3], f"after a restart Best scores reads {rows}")

    text = reader.find(lambda node: node.getRole() == reader.pyatspi.ROLE_LABEL,
                       dialog(reader, keys, "F1", "How to play")).queryText()
    rules = text.getText(0, text.characterCount)
    for words in ("The score starts at 1000", "Listening buoy flash (if ship is near)", "Ctrl+N", "Ctrl+H", "F1"):
        expect(words in rules, f"How to play does not say {words!r}")
    game.desk.shot("how-to-play.png")
    close(keys, "How to play")
    version = subprocess.run([program, "--version"], capture_output=True, text=True).stdout.split()[-1]
    about = reader.find(lambda node: node.getRole() == reader.pyatspi.ROLE_LABEL,
                        dialog(reader, keys, "alt+h Up Return", "About Kalvenor")).name
    expect(f"Kalvenor {version}" in about and "GPL-3.0-or-later" in about, f"About says {about!r}")
    close(keys, "About Kalvenor")

    keys.press("ctrl+n")  # Start is enabled on the title
    wait_until(lambda: game.look().cell(0) == GREY, game.timeout, "Ctrl+N to start a game")
    keys.fire([0])
    wait_until(lambda: game.look().cell(0) in (CYAN, RED, BLACK), game.timeout, "the shot at cell 0")
    keys.press("ctrl+n")  # Start is disabled in a game: nothing
    time.sleep(1.0)
    expect(game.look().cell(0) in (CYAN, RED, BLACK), "Ctrl+N started a game while Start was disabled")
    keys.press("ctrl+q")
    status = kalvenor.wait(timeout=10)
    expect(status == 0, f"Ctrl+Q ended the program with status {status}")


def command_line(desk, program):
    """--help and --version print and end, a bad option and no display end
    with one line; no window opens."""
    def run_with(*args, env=desk.env):
        return subprocess.run([program, *args], env=env, capture_output=True, text=True, timeout=20)
    no_display = {key: value for key, value in desk.env.items() if key not in ("DISPLAY", "QT_QPA_PLATFORM")}
    for args, env, status, out, err in ((["--version"], desk.env, 0, r"kalvenor \d+\.\d+\.\d+\n", ""),
                                        (["--help"], desk.env, 0, r"(?s)Usage: .*--version.*", ""),
                                        (["--no-such-option"], desk.env, 2, "", r"kalvenor: .*no-such-option.*\n"),
                                        ([], no_display, 1, "", r"kalvenor: .*DISPLAY.*\n"),
                                        (["-platform", "nosuch"], desk.env, 1, "", r'kalvenor: .*"nosuch".*\n'),
                                        (["-display", "X"], desk.env, 1, "", r'kalvenor: .*X11 display "X".*\n')):
        ran = run_with(*args, env=env)
        expect(ran.returncode == status and re.fullmatch(out, ran.stdout) and re.fullmatch(err, ran.stderr),
               f"kalvenor {args}: status {ran.returncode}, printed {ran.stdout!r}, {ran.stderr!r}")
    expect(not desk.windows("Kalvenor"), "the command line opened a window")


def play(program, artifacts):
    with Desktop(artifacts) as desk:
        start_accessibility_bus(desk)
        orca = Orca(desk)
        kalvenor, game = open_game(desk, program)
        keys = Keys(game, delay=KEY_DELAY_MS)
        reader = Reader()
        expect(best_scores(reader, keys) == [], "Best scores has rows before any game")

        orca.mark()
        keys.alt("f", keys.file_menu_open)
        opened = orca.says(r"^Start\.$", what="the File menu's first item")
        print("Alt+F:", opened)
        expect("File menu." in opened, "the File menu's title is not spoken before its first item")
        keys.press("Down")
        print("Down:", orca.says(r"^Sound checked\.$", what="the Sound item with its check mark"))
        keys.press("Escape", "Escape")  # the menu closes, then the menu bar lets go of the keys
        wait_until(lambda: game.look().at(30, 5) == BLUE, game.timeout, "the File menu to close")

        orca.mark()
        keys.menu("Start", ("Start", "Sound", "Exit"))
        wait_until(lambda: game.look().cell(0) == GREY, game.timeout, "the grid")
        expect(all(buoy_button_shown(game, k) for k in range(5)), "the buoy buttons are not shown")
        print("Start:", orca.says(r"^Not shooted area\.$", what="the cursor cell after Start"))
        expect("Row 1, column 1." in orca.said(), "the cursor cell's name is not spoken after Start")

        orca.mark()
        keys.press("1")
        wait_until(lambda: not buoy_button_shown(game.look(), 0), game.timeout, "the buoy buttons to hide")
        print("key 1:", orca.says(r"^Score 990\.$", what="the score after buying a buoy"))
        orca.mark()
        keys.fire([0])
        wait_until(lambda: game.look("buoy-dropped.png").cell(0) in (DARK_YELLOW, YELLOW), game.timeout, "the buoy on cell 0")
        keys.press("2")  # the buttons are hidden while the buoy listens: nothing
        time.sleep(0.3)
        expect(not buoy_button_shown(game.look(), 1), "key 2 showed or pressed a hidden button")
        print("buoy:", orca.says(r"^(no flash|1 flash|\d+ flashes)\.$", what="the buoy's count"))
        expect("Listening buoy." in orca.said(), "the buoy's drop is not spoken")

        orca.mark()
        keys.press("Down")  # the player hears the cell before firing at it
        keys.cursor = COLUMNS
        orca.hears(lambda said: said[said.index("Row 2, column 1."):][1:2] if "Row 2, column 1." in said else None,
                   what="the cell one arrow down")
        with desk.recording("a-shot-with-sound") as wav:
            keys.press("space")  # one shot heard whole: a hit or a miss
            time.sleep(1.5)
        expect(audible_seconds(wav) > 0.05, "a shot with Sound on is not heard")
        print("Down, Space:", orca.says(SHOT, what="the shot's result"))
        cells = [words for words in orca.said() if re.fullmatch(CELL, words)]
        expect(cells == ["Row 2, column 1."], f"one arrow down spoke {cells}")
        expect(not said_twice(orca.said()), f"the shot was said twice: {orca.said()}")

        # The board on request, in the words of the panel, the buttons and the legend.
        for key, pattern, what in (
                ("f", r"^Class A ship, [^.]+\. Class B ship, [^.]+\. (Class [BCD] ship, [^.]+\. ){7}Class D ship, [^.]+\.$",
                 "the fleet"),
                ("b", r"^Buoys for sale: -20, -30, -40, -50\.$", "the buoys for sale"),
                ("r", r"^Row 2: column 1 [a-z][^;]*; 29 not fired\.$", "the cursor's row"),
                ("c", r"^Column 1: (row [12] [a-z][^;]*; )+2[34] not fired\.$", "the cursor's column")):
            orca.mark()
            keys.press(key)
            print(f"key {key.upper()}:", orca.says(pattern, what=what)[-1])

        orca.mark()
        fired_before = fired(game)
        fire_and_listen(keys, orca, 1, fired_before)
        keys.menu("Sound", IN_GAME)
        time.sleep(1.0)  # the last sound of row 1 has been stopped
        with desk.recording("row-2-without-sound") as wav:
            fire_and_listen(keys, orca, 2, fired_before)
        expect(audible_seconds(wav) == 0.0, "shots are heard with Sound switched off")

        for row in range(3, ROWS):
            fire_and_listen(keys, orca, row, fired_before)
        wait_until(lambda: game.look().cell(0) != DARK_YELLOW and game.cell(0) != YELLOW, 45, "the buoy's cycle to end")
        fire_and_listen(keys, orca, 0, fired_before)
        time.sleep(SINKING_SECONDS)
        game.look("game-over.png")
        expect(over(game), f"{game.cells().count(BLACK)} of {SHIP_CELLS} cells are black at the end")
        check_shots_spoken(orca, game, fired_before)
        score = final_score(reader)
        rows = best_scores(reader, keys)
        expect(rows and rows[0][1:4:2] == [str(score), "latest game"], f"Best scores reads {rows}, the game {score}")

        orca.mark()
        keys.press("s")
        print("key S:", orca.says(r"^Score -?\d+\.$", what="the score on demand"))

        keys.menu("Stop playing", GAME_OVER)
        time.sleep(0.3)
        expect(game.look("title.png").at(*TITLE[:2]) != BLUE and game.cell(0) == BLUE,
               "Stop playing did not show the title")
        keys.menu("Exit", ("Start", "Sound", "Exit"), window_stays=False)
        status = kalvenor.wait(timeout=10)
        expect(status == 0, f"Exit ended the program with status {status}")
        help_after_a_restart(desk, program, score)
        command_line(desk, program)


if __name__ == "__main__":
    run(play, __doc__)
