# SPDX-License-Identifier: GPL-3.0-or-later
"""Programs that a test or a benchmark starts as its children: tied to its
life, and ended politely, then for good. Standard library only, so that any
Python may import it."""

import ctypes
import os
import signal
import subprocess
import time

_PR_SET_PDEATHSIG = 1


def die_with_parent():
    """For Popen's preexec_fn: the kernel kills the child when its parent
    dies, however the parent dies."""
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def end_processes(processes, timeout=5):
    """Asks every one of the child processes still running to terminate,
    gives them `timeout` seconds in all, then kills those still running."""
    processes = list(processes)
    for process in processes:
        if process.poll() is None:
            process.terminate()
    deadline = time.monotonic() + timeout
    for process in processes:
        try:
            process.wait(timeout=max(0.0, deadline - time.monotonic()))
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def stop_pid(pid):
    """Ends a process that is not our child, such as one a launcher started."""
    try:
        os.kill(pid, signal.SIGTERM)
        deadline = time.monotonic() + 5
        while os.path.exists(f"/proc/{pid}") and time.monotonic() < deadline:
            time.sleep(0.05)
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
