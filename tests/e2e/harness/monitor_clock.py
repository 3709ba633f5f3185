# SPDX-License-Identifier: GPL-3.0-or-later
"""The private desktop's null sink, heard on the test's own clock: a raw
recording of the sink's monitor whose every sample is placed on
time.monotonic(), so that a sound's onset can be set against the moment of
the click that asked for it.

A sample's time is the moment the sink plays it. The sink renders each
block of samples one block ahead of playing it, and the block reaches us at
that moment or later, never earlier: over the blocks that arrived near
sample n, the least of (arrival - samples before the block's end / RATE),
plus n / RATE and the sink's block, places sample n. Near, because the
sink's clock runs a few hundred parts per million off the system's."""

import array
import math
import os
import re
import subprocess
import threading
import time

from .child_processes import die_with_parent, end_processes

RATE = 44100
FULL_SCALE = 32768
HEARD = 0.01  # above 1% of full scale a sample is heard
ATTACK = 0.6  # both waves open at 0.84 and fall below this within 0.1 s
NEAR = 2  # seconds of samples either side that place a sample


class MonitorClock:
    def __init__(self, desk):
        self.desk = desk
        self.samples = array.array("h")
        self._zero = {}  # per second of samples, the earliest time.monotonic() of sample 0 it implies
        self.ahead = 0.0  # how long before playing a sample the sink renders it
        self._lock = threading.Lock()

    def __enter__(self):
        self._process = subprocess.Popen(
            ["parec", "--device", self.desk.SINK + ".monitor", "--raw", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=20"],
            env=self.desk.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        deadline = time.monotonic() + 10
        while self.now_index() < RATE // 2:  # half a second in: the stream runs steadily
            if time.monotonic() > deadline:
                raise AssertionError("the sink's monitor gives no samples")
            time.sleep(0.05)
        self.ahead = self._sink_block()
        return self

    def __exit__(self, *_):
        end_processes([self._process], timeout=10)
        self._reader.join(timeout=10)
        return False

    def _sink_block(self):
        sinks = subprocess.run(["pactl", "list", "sinks"], env=self.desk.env, capture_output=True, text=True,
                               check=True).stdout
        ours = sinks.split(f"Name: {self.desk.SINK}\n", 1)[-1]
        return int(re.search(r"Latency: \d+ usec, configured (\d+) usec", ours).group(1)) / 1e6

    def _read(self):
        stream = self._process.stdout.fileno()
        odd = b""
        while True:
            block = os.read(stream, 8192)
            arrived = time.monotonic()
            if not block:
                return
            block = odd + block
            whole = len(block) - len(block) % 2
            odd = block[whole:]
            with self._lock:
                self.samples.frombytes(block[:whole])
                second = len(self.samples) // RATE
                self._zero[second] = min(self._zero.get(second, math.inf), arrived - len(self.samples) / RATE)

    def now_index(self):
        with self._lock:
            return len(self.samples)

    def _sample_zero(self, second):
        with self._lock:
            return min(self._zero.get(s, math.inf) for s in range(second - NEAR, second + NEAR + 1))

    def lost_seconds(self):
        """The most the recording lost at once: a loss moves sample 0 later
        from one second to the next, and would shift every later sound."""
        with self._lock:
            zero = [self._zero[s] for s in sorted(self._zero)]
        return max([later - earlier for earlier, later in zip(zero, zero[1:])], default=0.0)

    def time_of(self, index):
        return self._sample_zero(index // RATE) + self.ahead + index / RATE

    def index_of(self, moment):
        with self._lock:
            guess = round((moment - min(self._zero.values())) * RATE)
        return max(0, round((moment - self._sample_zero(guess // RATE) - self.ahead) * RATE))

    def _between(self, start, end):
        """The first index and the samples between the two moments, once
        they are recorded."""
        deadline = time.monotonic() + 10
        while self.index_of(end) > self.now_index():
            if time.monotonic() > deadline:
                raise AssertionError("the sink's monitor stopped giving samples")
            time.sleep(0.02)
        first, last = self.index_of(start), self.index_of(end)
        with self._lock:
            return first, self.samples[first:last]

    def peak(self, start, end):
        """The loudest sample between the two moments, as a part of full
        scale."""
        _, part = self._between(start, end)
        return max(map(abs, part), default=0) / FULL_SCALE

    def onset(self, start, end, level=ATTACK):
        """The moment of the first sample at or above `level` between the
        two moments, or None."""
        first, part = self._between(start, end)
        threshold = level * FULL_SCALE
        for offset, sample in enumerate(part):
            if abs(sample) >= threshold:
                return self.time_of(first + offset)
        return None
