#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes whole_game.scn: a game from the window's opening to its end, every
cell clicked in order, each sinking waited out. The fleet comes from a fixed
random sequence; kalvenor-replay tells where it lies.

usage: make_whole_game.py path/to/kalvenor-replay > whole_game.scn
"""
import random
import subprocess
import sys

replay = sys.argv[1]
rng = random.Random(2026)
numbers = ["%.5f" % rng.random() for _ in range(9000)]
rand_lines = ["rand " + " ".join(numbers[i:i + 500]) for i in range(0, len(numbers), 500)]
opening = ["load", "advance 250", "start", "advance 500"]

placed = subprocess.run([replay], input="\n".join(rand_lines + opening + ["dump"]) + "\n",
                        capture_output=True, text=True, check=True).stdout
shipcell = next(map(int, line.split()[1:]) for line in placed.splitlines() if line.startswith("shipcell"))
shipcell = list(shipcell)
ranges = [(0, 6), (6, 10), (10, 14), (14, 17), (17, 20), (20, 23), (23, 25), (25, 27), (27, 29), (29, 31)]
ships = [set(shipcell[a:b]) for a, b in ranges]

lines = ["# A whole game: every cell clicked in order, each sinking waited out.",
         "# Made by make_whole_game.py; the final score is 1000 - 750 + 10 x 200."]
lines += rand_lines + opening
hit = set()
for cell in range(750):
    lines.append("click %d" % cell)
    for ship in ships:
        if cell in ship:
            hit.add(cell)
            if ship <= hit:
                lines.append("advance 1300")
lines += ["advance 2000", "dump"]
print("\n".join(lines))
