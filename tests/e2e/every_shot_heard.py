#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every shot of a long session is heard on time, for as long as it should
be: some 60 shots in one window, hits and misses, alone 1.3 s apart or in
quick runs of three within 0.8 s. Each sound starts within 50 ms of its
click, is still heard 0.5 s later unless a later shot on its channel took
the channel over, and has stopped 0.85 s after the click. Then: Sound
unchecked is silent and checked again is heard; the audio server dies and
comes back and the shots are heard again within a few seconds; after a whole
game and a new Start the shots are heard.
Usage: every_shot_heard.py PROGRAM ARTIFACTS_DIR"""

import os
import time

from harness.desktop import Desktop
from harness.game_window import COLUMNS, ROWS, SINKING_SECONDS, Game, exit_game, expect, finish_game, open_game, run
from harness.monitor_clock import ATTACK, HEARD, MonitorClock
from harness.screen import BLACK, CYAN, GREY, RED
from harness.xtest_pointer import Pointer

ON_TIME = 0.05  # from the click to the sound's first loud sample
# On a machine busy with other work the window or the sound server may wait
# a fifth of a second for the processor: one shot in 30, or one of a few,
# may start that late. Every shot must be heard all the same.
HELD_UP, HELD_UP_SHARE = 0.25, 1 / 30
STILL_HEARD = 0.5
STOPPED = 0.85
ALONE = 1.3  # between shots that do not overlap
IN_A_RUN = 0.35  # between the shots of a quick run: three within 0.8 s
PAINTED = 0.25  # from a click to its cell in its new colour, with room to spare
# On a busy machine the window may paint later still: a grey cell is waited
# for this long before its shot counts as one a sinking held off.
PAINTED_AT_MOST = 3.0
SHOTS = 60
HITS = 6


class Shot:
    def __init__(self, cell, click):
        self.cell, self.click = cell, click
        self.kind = None  # "hit", "miss", or None when the grid ignored the click
        self.onset = self.heard_until = None
        self.loud_before = False  # a sound began just before the click: some earlier shot's came late
        self.taken_over = False  # a later shot on its channel came within STILL_HEARD


class Gunner:
    """Fires at one cell at a time and keeps the moment of each click; picks
    the cells so that hits come often: the neighbours of a hit first, then
    a spread over the grid."""

    def __init__(self, pointer, game):
        self.pointer, self.game = pointer, game
        spread = sorted(range(COLUMNS * ROWS), key=lambda k: ((k % COLUMNS + 2 * (k // COLUMNS)) % 4, k))
        self.queue = spread
        self.fired = set()

    def next_cell(self):
        while self.queue[0] in self.fired:
            self.queue.pop(0)
        return self.queue.pop(0)

    def fire(self):
        cell = self.next_cell()
        self.fired.add(cell)
        x, y = Game.cell_centre(cell)
        return Shot(cell, self.pointer.click(self.game.left + x, self.game.top + y))

    def sort_out(self, shots):
        """Reads from the grid which shots hit, missed or were ignored (a
        sinking holds the grid), and aims next at a hit's neighbours. The
        pixels are read quickly: give the last shot's cell time to be painted,
        and every cell more time while one is grey."""
        time.sleep(max(0.0, shots[-1].click + PAINTED - time.monotonic()))
        deadline = time.monotonic() + PAINTED_AT_MOST
        while any(self.game.look().cell(shot.cell) == GREY for shot in shots) and time.monotonic() < deadline:
            time.sleep(0.05)
        for shot in shots:
            colour = self.game.cell(shot.cell)
            shot.kind = {RED: "hit", BLACK: "hit", CYAN: "miss"}.get(colour)
            if colour == GREY:
                self.fired.discard(shot.cell)
                self.queue.insert(0, shot.cell)
            elif colour == RED:
                row, column = divmod(shot.cell, COLUMNS)
                self.queue[:0] = [r * COLUMNS + c for r in range(row - 1, row + 2) for c in range(column - 1, column + 2)
                                  if 0 <= r < ROWS and 0 <= c < COLUMNS and r * COLUMNS + c not in self.fired]
        return [shot for shot in shots if shot.kind]


def fire_episode(gunner, count, gap):
    shots = []
    for i in range(count):
        if i:
            time.sleep(max(0.0, shots[-1].click + gap - time.monotonic()))
        shots.append(gunner.fire())
    return shots


def measure(clock, shots):
    """Finds each shot's onset and how long it is heard, in a recording that
    holds them all; the shots are in the order fired."""
    for i, shot in enumerate(shots):
        later = shots[i + 1:]
        shot.loud_before = clock.peak(shot.click - 0.1, shot.click - 0.02) >= ATTACK
        shot.onset = clock.onset(shot.click - 0.02, shot.click + min([0.3] + [s.click - shot.click for s in later]))
        shot.taken_over = any(s.kind == shot.kind and s.click < shot.click + STILL_HEARD for s in later)
        if shot.onset is None:
            continue
        end = min([shot.click + ALONE] + [s.click for s in later])
        last = shot.onset
        while last + 0.005 < end and clock.peak(last, min(end, last + 0.06)) >= HEARD:
            last += 0.005
        shot.heard_until = last


def faults(clock, shots):
    """What went wrong with the shots' sounds, one line each."""
    found = []
    held_up = [s for s in shots if s.onset is not None and ON_TIME < s.onset - s.click <= HELD_UP]
    excused = held_up if len(held_up) <= max(1, int(HELD_UP_SHARE * len(shots))) else []
    for i, shot in enumerate(shots):
        name = f"shot {i + 1} ({shot.kind} at cell {shot.cell})"
        if shot.loud_before:
            found.append(f"{name}: a sound starts less than 0.1 s before its click, so late that it cannot be told apart")
        if shot.onset is None:
            found.append(f"{name}: not heard")
            continue
        delay = shot.onset - shot.click
        if delay < -0.01:
            found.append(f"{name}: heard {-1000 * delay:.0f} ms before its click; the recording's clock is off")
        elif delay > ON_TIME and shot not in excused:
            found.append(f"{name}: starts {1000 * delay:.0f} ms after its click")
        if not shot.taken_over and clock.peak(shot.onset + STILL_HEARD - 0.01, shot.onset + STILL_HEARD + 0.01) < HEARD:
            found.append(f"{name}: silent {STILL_HEARD} s after its start")
        alone_after = all(s.click > shot.click + STOPPED + 0.1 for s in shots[i + 1:])
        if alone_after and clock.peak(shot.click + STOPPED, shot.click + STOPPED + 0.05) >= HEARD:
            found.append(f"{name}: still heard {STOPPED} s after its click")
    return found


def report(shots, title, log):
    log.append(title)
    log.append(" shot  kind  cell  click->onset  heard for")
    for i, shot in enumerate(shots):
        onset = f"{1000 * (shot.onset - shot.click):6.1f} ms" if shot.onset else "never"
        heard = f"{shot.heard_until - shot.onset:5.3f} s" if shot.onset else ""
        next_click = shots[i + 1].click if i + 1 < len(shots) else float("inf")
        note = "  up to the next shot" if shot.onset and shot.heard_until >= next_click - 0.01 else ""
        log.append(f" {i + 1:4d}  {shot.kind:4s}  {shot.cell:4d}  {onset:>12s}  {heard}{note}")


def long_session(desk, gunner, log):
    with MonitorClock(desk) as clock:
        shots = []
        patterns = [(1, 0), (3, IN_A_RUN), (3, IN_A_RUN)]
        episode = 0
        while len(shots) < SHOTS or sum(s.kind == "hit" for s in shots) < HITS:
            expect(episode < SHOTS, f"{len(shots)} shots were taken in {episode} turns")
            count, gap = patterns[episode % len(patterns)]
            fired = fire_episode(gunner, count, gap)
            shots += gunner.sort_out(fired)
            if any(s.kind is None for s in fired):
                time.sleep(SINKING_SECONDS)  # a sinking held the grid
            time.sleep(max(0.0, fired[-1].click + ALONE - time.monotonic()))
            episode += 1
        measure(clock, shots)
        expect(clock.lost_seconds() < 0.02, f"the recording lost {clock.lost_seconds():.3f} s")
        report(shots, f"{len(shots)} shots, {sum(s.kind == 'hit' for s in shots)} of them hits:", log)
        found = faults(clock, shots)
        expect(not found, "\n".join(found))
        runs = sum(1 for a, b in zip(shots, shots[2:]) if b.click - a.click < 0.8)
        expect(runs >= 5, f"only {runs} quick runs of three shots were taken")

        gunner.game.choose("Sound")
        quiet = fire_episode(gunner, 3, 0.5)
        time.sleep(1.0)
        quiet = gunner.sort_out(quiet)
        expect(quiet, "the grid took no shot with Sound unchecked")
        expect(all(clock.peak(s.click, s.click + 0.9) < HEARD for s in quiet), "shots are heard with Sound unchecked")
        gunner.game.choose("Sound")
        expect_heard(clock, gunner, "with Sound checked again", log)


def expect_heard(clock, gunner, when, log, count=2):
    """Fires shots alone until `count` were taken; each must be heard on
    time."""
    shots = []
    while len(shots) < count:
        fired = fire_episode(gunner, 1, 0)
        time.sleep(ALONE)
        shots += gunner.sort_out(fired)
    measure(clock, shots)
    report(shots, f"Shots {when}:", log)
    found = faults(clock, shots)
    expect(not found, f"{when}: " + "\n".join(found))


def server_restart(desk, gunner, log):
    desk.kill_audio_server()
    silent = fire_episode(gunner, 2, 0.5)
    time.sleep(0.5)
    expect(gunner.sort_out(silent), "the game took no shot without its audio server")
    desk.start_audio_server()
    back = time.monotonic()
    with MonitorClock(desk) as clock:
        shots = []
        while not shots or shots[-1].onset is None:
            expect(time.monotonic() - back < 5, "no shot is heard 5 s after the audio server came back")
            fired = fire_episode(gunner, 1, 0)
            time.sleep(ALONE)
            shots += gunner.sort_out(fired)
            measure(clock, shots)
        log.append(f"Audio server back: the first shot heard was fired {shots[-1].click - back:.2f} s after it "
                   f"came back, shot {len(shots)} since, heard {1000 * (shots[-1].onset - shots[-1].click):.0f} ms "
                   "after its click")
        expect_heard(clock, gunner, "after the audio server came back", log)


def play(program, artifacts):
    log = []
    started = time.monotonic()
    with Desktop(artifacts) as desk:
        kalvenor, game = open_game(desk, program)
        time.sleep(2)  # the start-up sound is over
        game.start()
        pointer = Pointer(desk.env["DISPLAY"])
        gunner = Gunner(pointer, game)
        try:
            long_session(desk, gunner, log)
            log.append(f"long_session done at {time.monotonic() - started:.1f} s")
            server_restart(desk, gunner, log)
            log.append(f"server_restart done at {time.monotonic() - started:.1f} s")
            finish_game(game)
            log.append(f"finish_game done at {time.monotonic() - started:.1f} s")
            game.start()
            gunner = Gunner(pointer, game)
            with MonitorClock(desk) as clock:
                expect_heard(clock, gunner, "in a new game", log, count=3)
        finally:
            pointer.close()
            with open(os.path.join(artifacts, "shots.txt"), "w", encoding="utf-8") as out:
                out.write("\n".join(log) + "\n")
        exit_game(game, kalvenor)
    print("\n".join(log))


if __name__ == "__main__":
    run(play, __doc__)
