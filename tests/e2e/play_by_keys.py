#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game of Kalvenor with the keyboard alone, as a blind player
plays it with Orca: the File menu's title and the Sound item's check mark
on Alt+F, File > Start through Alt+F, a buoy bought with the key 1
and dropped with Space, Sound switched off from the menu, a shot at every
cell through the grid's cursor, the score asked for with S, the end of the
game, Stop playing and Exit. Orca's words are checked at every step: the
cursor cell once the grid shows, one cell for one arrow, each shot's result
and score, the buoy and its count, the end of the game with the final score.
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
SHOT = r"^(Shooted, no ship on area|Hit without sinking ship|Hit and sunk, Class [ABCD] ship)\. Score (-?\d+)\.$"
IN_GAME = ("Sound", "Stop playing", "Exit")
GAME_OVER = ("Start", "Sound", "Stop playing", "Exit")


def buoy_button_shown(game, k):
    return game.at(146 + 40 * k, 466) == YELLOW


def spoken_shots(orca):
    return [shot for shot in (re.match(SHOT, words) for words in orca.said()) if shot]


def fired(game):
    return sum(colour in (CYAN, RED, BLACK) for colour in game.look().cells())


def fire_and_listen(keys, orca, row, fired_before):
    """Fires at the row, then waits until Orca has said every shot fired
    since the mark: the player listens before going on."""
    keys.fire_at_row(row)
    shots = fired(keys.game) - fired_before
    wait_until(lambda: len(spoken_shots(orca)) >= shots, 60, f"Orca to say {shots} shots")


def check_shots_spoken(orca, game, fired_before):
    """Every shot since the mark was spoken with its result and the score,
    a sinking for each ship, and the end of the game last, with the score
    the last shot left."""
    final = orca.says(r"^Every ship is sunk\. Final score -?\d+\.$", 60, "the end of the game")[-1]
    shots = spoken_shots(orca)
    results = [shot.group(1) for shot in shots]
    expect(len(shots) == fired(game) - fired_before, f"{len(shots)} shots spoken, {fired(game) - fired_before} fired")
    expect(sum(result.startswith("Hit and sunk") for result in results) == 10, "not every sinking was spoken")
    expect(results.count("Shooted, no ship on area") > 0 and results.count("Hit without sinking ship") > 0,
           "no miss or no hit was spoken")
    spoken = orca.said()
    expect(not any(re.match(SHOT, words) for words in spoken[spoken.index(final):]), "a shot spoken after the end")
    expect(spoken.count(final) == 1, f"the end of the game was spoken {spoken.count(final)} times")
    expect(final.endswith(f"Final score {shots[-1].group(2)}."), f"{final!r} after {shots[-1].group(0)!r}")
    print("a miss, a hit, a sinking, the end:",
          [next(shot.group(0) for shot in shots if shot.group(1).startswith(kind))
           for kind in ("Shooted", "Hit without", "Hit and sunk")], final)


def dialog(reader, keys, press, title):
    """Opens a dialog by its keys, "alt+h" held as a player holds it; returns
    it as the reader sees it."""
    for key in press.split():
        if key.startswith("alt+"):
            keys.alt(key[len("alt+"):])
            time.sleep(0.5)  # the menu opens
        else:
            keys.press(key)
    found = wait_until(lambda: next((window for app in reader.pyatspi.Registry.getDesktop(0) for window in app or []
                                     if window is not None and window.name == title), None), 10, title)
    keys.game.desk.xdotool("windowfocus", "--sync", keys.game.desk.window_id(title))  # as a window manager would
    return found


def close(keys, title):
    desk = keys.game.desk
    keys.press("Escape")
    wait_until(lambda: not desk.windows(title), 10, f"{title!r} to close")
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
    wait_until(lambda: game.look().cell(0) == GREY, 5, "Ctrl+N to start a game")
    keys.fire([0])
    wait_until(lambda: game.look().cell(0) in (CYAN, RED, BLACK), 5, "the shot at cell 0")
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
        keys.alt("f")
        opened = orca.says(r"^Start\.$", what="the File menu's first item")
        print("Alt+F:", opened)
        expect("File menu." in opened, "the File menu's title is not spoken before its first item")
        keys.press("Down")
        print("Down:", orca.says(r"^Sound checked\.$", what="the Sound item with its check mark"))
        keys.press("Escape", "Escape")  # the menu closes, then the menu bar lets go of the keys
        wait_until(lambda: game.look().at(30, 5) == BLUE, 5, "the File menu to close")

        orca.mark()
        keys.menu("Start", ("Start", "Sound", "Exit"))
        wait_until(lambda: game.look().cell(0) == GREY, 5, "the grid")
        expect(all(buoy_button_shown(game, k) for k in range(5)), "the buoy buttons are not shown")
        print("Start:", orca.says(r"^Not shooted area\.$", 10, "the cursor cell after Start"))
        expect("Row 1, column 1." in orca.said(), "the cursor cell's name is not spoken after Start")

        orca.mark()
        keys.press("1")
        wait_until(lambda: not buoy_button_shown(game.look(), 0), 5, "the buoy buttons to hide")
        print("key 1:", orca.says(r"^Score 990\.$", what="the score after buying a buoy"))
        orca.mark()
        keys.fire([0])
        wait_until(lambda: game.look("buoy-dropped.png").cell(0) in (DARK_YELLOW, YELLOW), 5, "the buoy on cell 0")
        keys.press("2")  # the buttons are hidden while the buoy listens: nothing
        time.sleep(0.3)
        expect(not buoy_button_shown(game.look(), 1), "key 2 showed or pressed a hidden button")
        print("buoy:", orca.says(r"^(no flash|1 flash|\d+ flashes)\.$", 10, "the buoy's count"))
        expect("Listening buoy." in orca.said(), "the buoy's drop is not spoken")

        orca.mark()
        with desk.recording("a-shot-with-sound") as wav:
            keys.fire([COLUMNS])  # one arrow down, one shot heard whole: a hit or a miss
            time.sleep(1.5)
        expect(audible_seconds(wav) > 0.05, "a shot with Sound on is not heard")
        print("Down, Space:", orca.says(SHOT, what="the shot's result"))
        cells = [words for words in orca.said() if re.fullmatch(r"Row \d+, column \d+\.", words)]
        expect(cells == ["Row 2, column 1."], f"one arrow down spoke {cells}")

        orca.mark()
        fired_before = fired(game)
        fire_and_listen(keys, orca, 1, fired_before)
        keys.menu("Sound", IN_GAME)
        time.sleep(1.0)  # the last sound of row 1 has been stopped
        with desk.recording("row-2-without-sound") as wav:
            keys.fire_at_row(2)
        expect(audible_seconds(wav) == 0.0, "shots are heard with Sound switched off")

        for row in range(3, ROWS):
            fire_and_listen(keys, orca, row, fired_before)
        wait_until(lambda: game.look().cell(0) != DARK_YELLOW and game.cell(0) != YELLOW, 45, "the buoy's cycle to end")
        keys.fire_at_row(0)
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
