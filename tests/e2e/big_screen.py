# SPDX-License-Identifier: GPL-3.0-or-later
"""A private Xvfb screen large enough for the game's window at twice its
size, without an audio server (the game plays on without one), for tests
that only look. The programs started here die with the test."""

import contextlib
import os
import select
import shutil
import subprocess
import tempfile

from child_processes import die_with_parent, end_processes
from screen import Shot


class BigScreen(contextlib.AbstractContextManager):
    WIDTH, HEIGHT = 1920, 1200

    def __init__(self, artifacts):
        self.artifacts = artifacts
        self._processes = []

    def __enter__(self):
        os.makedirs(self.artifacts, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix="kalvenor-e2e-")
        os.chmod(self.home, 0o700)
        self._log = open(os.path.join(self.artifacts, "screen.log"), "w")
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.home, "XDG_RUNTIME_DIR": self.home,
                    "LANG": "C.UTF-8", "QT_QPA_PLATFORM": "xcb",
                    "PULSE_SERVER": "unix:" + os.path.join(self.home, "no-audio-server")}
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.WIDTH}x{self.HEIGHT}x24",
                    "-nolisten", "tcp", "-noreset"], pass_fds=[write_end])
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 30)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self.__exit__(None, None, None)
                raise AssertionError("Xvfb did not report its display")
            number += chunk
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        return self

    def __exit__(self, *_):
        for process in reversed(self._processes):
            self.stop(process)
        self._log.close()
        shutil.rmtree(self.home, ignore_errors=True)
        return False

    def start(self, argv, extra_env=None, **kwargs):
        process = subprocess.Popen(argv, env={**self.env, **(extra_env or {})}, stdin=subprocess.DEVNULL,
                                   stdout=self._log, stderr=subprocess.STDOUT, preexec_fn=die_with_parent, **kwargs)
        self._processes.append(process)
        return process

    def stop(self, process):
        end_processes([process])
        if process in self._processes:
            self._processes.remove(process)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True).stdout

    def windows(self, title):
        """The X id, position and size of each shown window with this title."""
        found = []
        for window in self.xdotool("search", "--onlyvisible", "--name", f"^{title}$").split():
            values = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", window).split())
            if {"X", "Y", "WIDTH", "HEIGHT"} <= values.keys():
                found.append((window, int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])))
        return found

    def shot(self, save_as=None):
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                             capture_output=True, check=True).stdout
        if save_as:
            subprocess.run(["convert", "ppm:-", os.path.join(self.artifacts, save_as)], input=ppm, check=True)
        return Shot(ppm)
