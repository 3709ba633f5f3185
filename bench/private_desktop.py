# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for the measurements: an Xvfb screen, a D-Bus session bus
and a PulseAudio server with a null sink, as a desktop session has them. All
three start here and end with the desktop, even if the benchmark is killed;
so does every program started on it, which cannot outlive its X server. One
home folder serves every program, so their caches warm up as a player's
would."""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import child_processes  # noqa: E402


def _read_line(fd, timeout, what):
    """The first line a server writes to the pipe `fd`, its address."""
    line = b""
    deadline = time.monotonic() + timeout
    while not line.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(fd, 256) if ready else b""
        if not chunk:
            raise RuntimeError(f"{what} did not say where it listens")
        line += chunk
    os.close(fd)
    return line.decode().strip()


class PrivateDesktop:
    def __init__(self, log_dir):
        self.log_dir = log_dir
        self._servers = []

    def __enter__(self):
        os.makedirs(self.log_dir, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix="kalvenor-bench-")
        runtime = os.path.join(self.home, "run")
        os.mkdir(runtime, 0o700)
        self.env = {"PATH": "/usr/games:/usr/bin:/bin", "HOME": self.home, "XDG_RUNTIME_DIR": runtime,
                    "LANG": "C.UTF-8", "QT_QPA_PLATFORM": "xcb"}
        try:
            self.env["DISPLAY"] = ":" + self._start_server(
                ["Xvfb", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-displayfd"], "Xvfb")
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start_server(
                ["dbus-daemon", "--session", "--nofork", "--print-address"], "the session bus")
            self._start_pulse(runtime)
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        child_processes.end_processes(reversed(self._servers))
        self._servers.clear()
        shutil.rmtree(self.home, ignore_errors=True)
        return False

    def start(self, argv, log_name, die_with_parent=False):
        """Starts a program on this desktop. Asking it to die with the
        benchmark costs a fork of this interpreter and Python code in the child
        before the exec, some 15 ms that would count as the program's start."""
        with open(os.path.join(self.log_dir, log_name + ".log"), "ab") as log:
            return subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                    preexec_fn=child_processes.die_with_parent if die_with_parent else None)

    def _start_server(self, argv, what):
        """Starts a server that writes its address to the descriptor given as
        its last argument, and returns the address."""
        read_end, write_end = os.pipe()
        with open(os.path.join(self.log_dir, "desktop.log"), "ab") as log:
            self._servers.append(subprocess.Popen(argv + [str(write_end)], env=self.env, pass_fds=[write_end],
                                                  stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                                  preexec_fn=child_processes.die_with_parent))
        os.close(write_end)
        return _read_line(read_end, 30, what)

    def _start_pulse(self, runtime):
        socket = os.path.join(runtime, "pulse-native")
        self.env["PULSE_RUNTIME_PATH"] = os.path.join(runtime, "pulse")
        self._servers.append(self.start(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
             "-L", "module-null-sink sink_name=bench",
             "-L", f"module-native-protocol-unix auth-anonymous=1 socket={socket}"], "desktop", die_with_parent=True))
        self.env["PULSE_SERVER"] = "unix:" + socket
        deadline = time.monotonic() + 30
        while subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode != 0:
            if time.monotonic() > deadline:
                raise RuntimeError("the PulseAudio server did not start")
            time.sleep(0.1)

    @staticmethod
    def stop(process):
        """Ends a program started here: politely, then for good."""
        child_processes.end_processes([process])


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
