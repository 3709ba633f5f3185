#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up, memory and idle cost of the game on a desktop, beside the peers
kmines, gnome-mines and knavalbattle and beside an empty Qt 6 window as the
floor.

On the end-to-end tests' private desktop (Xvfb, session bus, PulseAudio), every round starts each
program in turn (A B C D, A B C D, ...), each time just after an uncounted
start of the same program, and measures:
- the time from starting it to the first MapNotify of a top-level window;
- its resident memory 3 s after the start;
- its processor share and wakeups over IDLE seconds at its opening screen,
  then over IDLE seconds after its new-game command, with no more input.
Memory, processor and wakeups are read from the process that owns the mapped
window (its _NET_WM_PID), never from a launcher that may stand before it.
It prints one table of medians with the least and greatest values.

Usage: desktop_bench.py BUILD_DIR [--rounds N] [--idle SECONDS] [--out FILE]
"""

import argparse
import datetime
import os
import platform
import subprocess
import sys
import time

from harness.child_processes import stop_pid
from harness.desktop import Desktop
from process_cost import IdleCost, resident_mib
from programs import programs
from results_table import processes, table, targets
from screen_watch import ScreenWatch

MEMORY_AFTER = 3.0  # seconds after the start
SETTLE = 1.0  # seconds after the new-game command, for its own work to end
MAP_TIMEOUT = 60.0


def window_owner(screen, window, process):
    """The pid that owns the window, and how the table names it."""
    pid = screen.window_pid(window)
    if pid is None:
        raise RuntimeError(f"the window of pid {process.pid} names no owner (_NET_WM_PID)")
    with open(f"/proc/{pid}/comm") as comm:
        name = comm.read().strip()
    return pid, name if pid == process.pid else f"{name} (not the started process)"


def measure(desktop, screen, program, idle):
    screen.forget_events()
    started = time.monotonic()
    process = desktop.start(program.argv, log_name=program.name, tied=False)
    owner = None
    try:
        mapped, window = screen.next_map(started + MAP_TIMEOUT)
        result = {"start_ms": 1000 * (mapped - started)}
        owner, result["process"] = window_owner(screen, window, process)
        time.sleep(max(0.0, started + MEMORY_AFTER - time.monotonic()))
        result["resident_mib"] = resident_mib(owner)
        cost = IdleCost(owner)
        cost.start()
        time.sleep(idle)
        result["cpu_title"], result["wakeups_title"] = cost.stop()
        program.start_game(screen, window)
        time.sleep(SETTLE)
        cost.start()
        time.sleep(idle)
        result["cpu_game"], result["wakeups_game"] = cost.stop()
        return result
    finally:
        desktop.stop(process)
        if owner not in (None, process.pid):
            stop_pid(owner)


def warm_up(desktop, screen, program):
    """A start that is not counted, just before each counted one. The first
    start on a new home folder builds caches that a player's desktop already
    has; and this machine pages out file data left unused for a minute, while
    a desktop keeps the programs it just ran in its page cache."""
    screen.forget_events()
    process = desktop.start(program.argv, log_name=program.name, tied=False)
    try:
        screen.next_map(time.monotonic() + MAP_TIMEOUT)
        time.sleep(2)
    finally:
        desktop.stop(process)


def package_version(name):
    found = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", name], capture_output=True, text=True)
    return found.stdout or "not installed"


def machine():
    with open("/proc/cpuinfo") as cpuinfo:
        model = next((line.split(":", 1)[1].strip() for line in cpuinfo if line.startswith("model name")), "?")
    with open("/proc/meminfo") as meminfo:
        memory_gib = int(meminfo.readline().split()[1]) / 2**20
    with open("/etc/debian_version") as debian:
        release = debian.read().strip()
    return (f"{os.cpu_count()} cores ({model}), {memory_gib:.0f} GiB, Linux {platform.release()}, "
            f"Debian {release}, Qt {package_version('libqt6core6')}, kmines {package_version('kmines')}, "
            f"gnome-mines {package_version('gnome-mines')}, knavalbattle {package_version('knavalbattle')}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build_dir")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--idle", type=float, default=10.0, help="seconds of each idle measurement")
    parser.add_argument("--out", help="also write the report to this file")
    args = parser.parse_args()

    measured = programs(os.path.abspath(args.build_dir))
    results = {program.name: [] for program in measured}
    with Desktop(os.path.join(args.build_dir, "bench", "desktop-logs"), size=(1280, 1024)) as desktop:
        desktop.start_session_bus()
        screen = ScreenWatch(desktop.env["DISPLAY"])
        try:
            for round_number in range(1, args.rounds + 1):
                for program in measured:
                    print(f"round {round_number}/{args.rounds}: {program.name}", file=sys.stderr, flush=True)
                    warm_up(desktop, screen, program)
                    results[program.name].append(measure(desktop, screen, program, args.idle))
                    time.sleep(1)  # the program's exit settles before the next start
        finally:
            screen.close()

    date = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    report = [f"Desktop measurements, {date}; medians of {args.rounds} interleaved rounds, "
              f"{args.idle:g} s idle each.", "", f"Machine: {machine()}.", ""]
    report += table(results, measured)
    report += [""] + processes(results, measured)
    report += ["", "The game's targets:"] + targets(results, "kalvenor", measured)
    print("\n".join(report))
    if args.out:
        with open(args.out, "w") as out:
            out.write("\n".join(report) + "\n")


if __name__ == "__main__":
    main()
