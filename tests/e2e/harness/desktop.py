# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for one test or benchmark: an Xvfb screen and, unless
the test only looks, a PulseAudio server with a null sink, and a session bus
on request, all started here and stopped when the test ends, however it
ends. Every program started here dies with the test."""

import contextlib
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

from Xlib.display import Display

from .child_processes import die_with_parent, end_processes
from .screen import grab
from .window_manager import ask_to_close


def wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError(f"timed out after {timeout} s waiting for {what}")


class Desktop:
    SINK = "kalvenor_e2e"

    def __init__(self, artifacts, size=(1024, 768), audio=True):
        """A screen of `size` pixels, 24 bits deep; without `audio`, no
        audio server: the game plays on silently."""
        self.artifacts = artifacts
        self.size = size
        self.audio = audio
        self._processes = []
        self._audio = []  # the audio server and the silence that feeds its sink
        self._x = None  # this test's own connection to the X server, for reading pixels

    def __enter__(self):
        os.makedirs(self.artifacts, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix="kalvenor-e2e-")
        os.chmod(self.home, 0o700)
        self.runtime = os.path.join(self.home, "run")
        os.mkdir(self.runtime, 0o700)
        self._log = open(os.path.join(self.artifacts, "desktop.log"), "w")
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(sig, self._interrupted)
        try:
            self._start_x()
            if self.audio:
                self._start_pulse()
            else:
                # A socket nobody listens on: the game finds no audio server.
                self.env["PULSE_SERVER"] = "unix:" + os.path.join(self.runtime, "no-audio-server")
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, exc_type, *_):
        if exc_type is not None:
            with contextlib.suppress(Exception):
                self.shot("at-failure.png")
        if self._x is not None:
            with contextlib.suppress(Exception):
                self._x.close()
            self._x = None
        end_processes(reversed(self._processes))
        self._processes.clear()
        self._log.close()
        shutil.rmtree(self.home, ignore_errors=True)
        return False

    @staticmethod
    def _interrupted(signum, _frame):
        raise SystemExit(f"interrupted by signal {signum}")

    def start(self, argv, stdin_file=os.devnull, extra_env=None, log_name=None, tied=True, **kwargs):
        """Starts a program on this desktop, with the desktop's environment
        and `extra_env` on top of it; its output goes to ARTIFACTS/LOG_NAME.log
        when named, to desktop.log otherwise. A `tied` program dies with the
        test even if the test is killed; tying it costs a fork of this
        interpreter and Python code before the exec, some 15 ms that a
        benchmark timing the start would count (it ends with the desktop
        all the same)."""
        log = open(os.path.join(self.artifacts, log_name + ".log"), "ab") if log_name else self._log
        try:
            with open(stdin_file, "rb") as stdin:
                process = subprocess.Popen(argv, env={**self.env, **(extra_env or {})}, stdin=stdin, stdout=log,
                                           stderr=subprocess.STDOUT, preexec_fn=die_with_parent if tied else None,
                                           **kwargs)
        finally:
            if log_name:
                log.close()
        self._processes.append(process)
        return process

    def stop(self, process):
        """Ends a program started here, politely, then for good."""
        end_processes([process])
        self._processes.remove(process)

    # --- the servers -----------------------------------------------------

    def _start_x(self):
        read_end, write_end = os.pipe()
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.home,
                    "XDG_RUNTIME_DIR": self.runtime, "LANG": "C.UTF-8", "QT_QPA_PLATFORM": "xcb"}
        # Without -noreset the server resets whenever its last client leaves,
        # and a program connecting just then is turned away: a test polling
        # with short-lived xdotool runs for a slow-starting program hits that.
        width, height = self.size
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24", "-nolisten",
                    "tcp", "-noreset"], pass_fds=[write_end])
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise AssertionError("Xvfb did not report its display")
            number += chunk
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def _start_pulse(self):
        socket = os.path.join(self.runtime, "pulse-native")
        self.env["PULSE_RUNTIME_PATH"] = os.path.join(self.runtime, "pulse")
        self.env["PULSE_SERVER"] = "unix:" + socket
        self.start_audio_server()

    def start_session_bus(self):
        """A D-Bus session bus for the programs started after this."""
        socket = os.path.join(self.runtime, "session-bus")
        address = "unix:path=" + socket
        self.start(["dbus-daemon", "--session", "--nofork", "--address=" + address])
        wait_until(lambda: os.path.exists(socket), 10, "the session bus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_audio_server(self):
        """Starts the PulseAudio server with its null sink, on the desktop's
        one socket, and waits until it takes recordings."""
        socket = self.env["PULSE_SERVER"][len("unix:"):]
        self._audio = [self.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                   "--disable-shm=yes", "-L", f"module-null-sink sink_name={self.SINK}",
                                   "-L", f"module-native-protocol-unix auth-anonymous=1 socket={socket}"])]
        wait_until(lambda: subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode == 0,
                   30, "the PulseAudio server")
        # An idle null sink stops feeding its monitor, and a recording loses
        # the start of the next sound; a stream of silence keeps it running.
        self._audio.append(self.start(["pacat", "--playback", "--raw", "--latency-msec=20", "--rate=44100",
                                       "--channels=1", "--format=s16le"], stdin_file="/dev/zero"))
        # The first recording on a new server drops data now and then.
        with self.recording("warm-up"):
            time.sleep(1)

    def kill_audio_server(self):
        """Kills the PulseAudio server as a crash would, without a goodbye to
        its clients."""
        for process in self._audio:
            process.kill()
            process.wait()
            self._processes.remove(process)
        self._audio = []

    # --- looking -----------------------------------------------------------

    def shot(self, save_as=None, area=None):
        """The pixels of the screen, or of the rectangle `area` (x, y,
        width, height) of it, read in one X request; saved as
        ARTIFACTS/SAVE_AS (a PNG) when named."""
        if self._x is None:
            self._x = Display(self.env["DISPLAY"])
        shot = grab(self._x, *(area or (0, 0, 1 << 15, 1 << 15)))
        if save_as:
            subprocess.run(["convert", "ppm:-", os.path.join(self.artifacts, save_as)], input=shot.ppm, check=True)
        return shot

    def windows(self, title):
        """The X id (as xdotool writes it), position and size of every shown
        top-level window with this title, in one xdotool run."""
        listed = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                                 "getwindowgeometry", "--shell", "%@"], env=self.env, capture_output=True,
                                text=True).stdout
        found = []
        for line in listed.split():
            key, _, value = line.partition("=")
            if key == "WINDOW":
                found.append({})
            if found:
                found[-1][key] = value
        return [(values["WINDOW"], int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"]))
                for values in found if {"X", "Y", "WIDTH", "HEIGHT"} <= values.keys()]

    def _first_window(self, title, timeout):
        return wait_until(lambda: next(iter(self.windows(title)), None), timeout, f"the window {title!r}")

    def window_id(self, title, timeout=30):
        """The X id of the shown top-level window with this title."""
        return self._first_window(title, timeout)[0]

    def window(self, title, timeout=30):
        """The position and size of the shown top-level window with this title."""
        return self._first_window(title, timeout)[1:]

    def close_window(self, title):
        """Closes the window as a window manager's close button does."""
        ask_to_close(self.env["DISPLAY"], int(self.window_id(title)))

    # --- acting --------------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def click(self, points, pause=0.02):
        """Left-clicks the points one after the other, in one xdotool run."""
        args = []
        for x, y in points:
            args += ["mousemove", x, y, "click", "--delay", 0, 1, "sleep", pause]
        if args:
            self.xdotool(*args)

    # --- listening -----------------------------------------------------------

    @contextlib.contextmanager
    def recording(self, name):
        """Records the null sink's output into ARTIFACTS/NAME.wav while the
        block runs; yields the file's path."""
        path = os.path.join(self.artifacts, name + ".wav")
        recorder = self.start(["parecord", "--device", self.SINK + ".monitor", "--latency-msec=20",
                               "--rate=44100", "--channels=1", "--format=s16le", "--file-format=wav", path])
        time.sleep(0.5)  # the stream is connected and running
        try:
            yield path
        finally:
            recorder.send_signal(signal.SIGINT)
            recorder.wait(timeout=10)
            self._processes.remove(recorder)


def audible_seconds(wav):
    """How long the recording is heard, from its first to its last sample
    above 1% of full scale."""
    trimmed = wav[:-4] + "-heard.wav"
    subprocess.run(["sox", wav, trimmed, "silence", "1", "0.005", "1%", "reverse",
                    "silence", "1", "0.005", "1%", "reverse"], check=True, capture_output=True)
    return float(subprocess.run(["soxi", "-D", trimmed], check=True, capture_output=True, text=True).stdout)
