# SPDX-License-Identifier: GPL-3.0-or-later
"""The one table of the desktop measurements: for every measure and program
the median, least and greatest of the rounds, and the median as a multiple
of the best peer's; then the game's targets, met or missed."""

import os
import statistics
from dataclasses import dataclass


@dataclass
class Measure:
    key: str
    title: str
    unit: str
    digits: int


MEASURES = [
    Measure("start_ms", "Start to mapped window", "ms", 1),
    Measure("resident_mib", "Resident memory 3 s after start", "MiB", 1),
    Measure("cpu_title", "Idle CPU, title (10 s)", "% of a core", 2),
    Measure("cpu_game", "Idle CPU, started game (10 s)", "% of a core", 2),
    Measure("wakeups_title", "Wakeups, title", "per s", 1),
    Measure("wakeups_game", "Wakeups, started game", "per s", 1),
]


def _ratio(value, best):
    if best > 0:
        return f"{value / best:.2f}"
    return "= 0" if value == 0 else "> 0 (peer 0)"


def table(results, programs):
    """`results` maps a program's name to its rounds, each a dict of measures."""
    peers = [p.name for p in programs if p.is_peer]
    lines = ["| Measure | Program | Median | Min | Max | Median / best peer's |",
             "|---|---|--:|--:|--:|--:|"]
    for measure in MEASURES:
        medians = {name: statistics.median(r[measure.key] for r in rounds) for name, rounds in results.items()}
        best = min(medians[name] for name in peers)
        for program in programs:
            values = [r[measure.key] for r in results[program.name]]
            shown = [f"{v:.{measure.digits}f}" for v in (medians[program.name], min(values), max(values))]
            lines.append(f"| {measure.title} ({measure.unit}) | {program.name} | " + " | ".join(shown) +
                         f" | {_ratio(medians[program.name], best)} |")
    return lines


def processes(results, programs):
    """Which process each program's figures were read from, in every round."""
    lines = ["| Program | Command | Process measured (the mapped window's _NET_WM_PID) |", "|---|---|---|"]
    for program in programs:
        names = sorted({r["process"] for r in results[program.name]})
        lines.append(f"| {program.name} | `{' '.join([os.path.basename(program.argv[0])] + program.argv[1:])}` | {', '.join(names)} |")
    return lines


def targets(results, game, programs):
    """The game's targets as lines "met" or "missed by ..."."""
    peers = [p.name for p in programs if p.is_peer]

    def median(name, key):
        return statistics.median(r[key] for r in results[name])

    start = median(game, "start_ms")
    best_start = min(median(name, "start_ms") for name in peers)
    checks = [
        (f"start at most 80 ms: {start:.2f} ms", start <= 80, f"{start - 80:.2f} ms"),
        (f"start at most half the best peer's ({best_start / 2:.2f} ms)", start <= best_start / 2,
         f"{start - best_start / 2:.2f} ms"),
    ]
    resident = median(game, "resident_mib")
    checks.append((f"resident memory at most 45 MiB: {resident:.1f} MiB", resident <= 45, f"{resident - 45:.1f} MiB"))
    for phase in ("title", "game"):
        cpu = median(game, f"cpu_{phase}")
        checks.append((f"idle CPU 0.00 % ({phase}): {cpu:.2f} %", round(cpu, 2) == 0, f"{cpu:.2f} %"))
        wakeups = median(game, f"wakeups_{phase}")
        # Fewer than one wakeup a second is no beat at any rate worth the name.
        checks.append((f"no periodic wakeups ({phase}): {wakeups:.1f}/s", wakeups < 1, f"{wakeups:.1f}/s"))
    return [f"- {text}: {'met' if met else 'missed by ' + miss}" for text, met, miss in checks]
