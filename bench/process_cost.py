# SPDX-License-Identifier: GPL-3.0-or-later
"""What a running program costs, read from /proc: its resident memory, and
the processor time and the number of times each of its threads ran
(timeslices, the third field of /proc/PID/task/TID/schedstat). A thread that
runs without being woken keeps running; so the timeslices of an idle program
count its wakeups."""

import os
import time


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise RuntimeError(f"process {pid} has no resident set")


def _threads(pid):
    """Processor nanoseconds and timeslices so far, for each live thread."""
    counts = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/schedstat") as schedstat:
                cpu_ns, _waited_ns, slices = (int(field) for field in schedstat.read().split()[:3])
        except FileNotFoundError:
            continue  # the thread ended while we looked
        counts[tid] = (cpu_ns, slices)
    return counts


class IdleCost:
    """Processor share and wakeups of a process between start() and stop()."""

    def __init__(self, pid):
        self.pid = pid

    def start(self):
        self._since = time.monotonic()
        self._before = _threads(self.pid)

    def stop(self):
        """Returns (percent of one core, wakeups per second) since start().
        A thread born meanwhile counts from zero; one that ended is lost."""
        after = _threads(self.pid)
        seconds = time.monotonic() - self._since
        cpu_ns = slices = 0
        for tid, (cpu, runs) in after.items():
            cpu_before, runs_before = self._before.get(tid, (0, 0))
            cpu_ns += cpu - cpu_before
            slices += runs - runs_before
        return 100 * cpu_ns / (seconds * 1e9), slices / seconds
