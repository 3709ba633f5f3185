# SPDX-License-Identifier: GPL-3.0-or-later
"""The screen reader a blind player uses: the distribution's Orca, with its
default settings, on the desktop's accessibility bus (reader.py). It runs
without a speech server; what it would say is read from its debug log, where
each utterance is a `SPEECH OUTPUT: '...'` line."""

import os
import re
import time

from .desktop import wait_until

# /usr/bin/orca as it is, with two changes for a test. Orca writes its debug
# log through a buffer; opened line-buffered, the log holds each utterance as
# it is spoken. And Orca refuses to start beside any other Orca of the same
# user, even one on another test's desktop; this one is alone on its own.
LAUNCHER = """
import builtins, runpy, sys
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda file, *args, **kwargs: (real_open(file, "w", buffering=1) if file == log
                                               else real_open(file, *args, **kwargs))
sys.argv = ["orca", "--debug-file", log, "-d", "main-window", "-d", "splash-window"]
main = runpy.run_path("/usr/bin/orca")["main"]
main.__globals__["otherOrcas"] = lambda: []
sys.exit(main())
"""
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?(?:voice=\w+)?\{.*$", re.MULTILINE)


class Orca:
    def __init__(self, desk):
        self.log = os.path.join(desk.artifacts, "orca-debug.log")
        # No speech server is started: the speech-dispatcher client finds none
        # and no spawn command, so Orca goes on without one and logs its speech.
        env = {"SPEECHD_ADDRESS": "unix_socket:" + os.path.join(desk.runtime, "no-speech-server"),
               "SPEECHD_CMD": os.path.join(desk.runtime, "no-speech-server-command")}
        desk.start(["/usr/bin/python3", "-c", LAUNCHER, self.log], extra_env=env)
        wait_until(lambda: "SPEECH: Initialized" in self._text(0), 60, "Orca to start")
        self.seen = 0

    def _text(self, since):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                log.seek(since)
                return log.read()
        except FileNotFoundError:
            return ""

    def mark(self):
        """From now on: what Orca says after this is what `said` returns."""
        self.seen = os.path.getsize(self.log)

    def said(self):
        """Every utterance logged since the mark, in order."""
        return SPOKEN.findall(self._text(self.seen))

    def hears(self, condition, quiet=90, what="Orca", limit=300):
        """Waits until condition(utterances since the mark) holds and returns
        what it returned. A busy Orca is slow, not stuck (a call into a busy
        program may hold it silent for half a minute): the wait gives up
        once Orca has logged nothing at all for `quiet` seconds (or after
        `limit` seconds in all, for an Orca that logs but never says it)."""
        size, progress = -1, time.monotonic()
        end = progress + limit
        while True:
            spoken = self.said()
            result = condition(spoken)
            if result:
                return result
            now = os.path.getsize(self.log)
            if now != size:
                size, progress = now, time.monotonic()
            elif time.monotonic() - progress > quiet or time.monotonic() > end:
                raise AssertionError(f"Orca did not say {what} (quiet {quiet} s, or {limit} s in all); it said {spoken}")
            time.sleep(0.05)

    def says(self, pattern, quiet=90, what=None):
        """Waits until an utterance since the mark matches the regular
        expression; returns the utterances up to that one."""
        def found(spoken):
            hit = next((i for i, words in enumerate(spoken) if re.search(pattern, words)), None)
            return spoken[:hit + 1] if hit is not None else None
        return self.hears(found, quiet, what or f"Orca to say {pattern!r}")
