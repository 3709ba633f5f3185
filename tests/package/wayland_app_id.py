#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a native Wayland client: started under weston's headless
backend with the protocol logged (WAYLAND_DEBUG=1), its toplevel must get
the desktop entry's id as its app id and "Kalvenor" as its title, and when
the compositor closes the toplevel (xdg_toplevel.close, sent by our weston
module CLOSE_MODULE on SIGUSR2) the program must end with status 0.

Usage: wayland_app_id.py PROGRAM APP_ID CLOSE_MODULE ARTIFACTS_DIR
Exits with 77 (skipped) where weston, its module or Qt's Wayland platform is
missing."""

import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from harness.child_processes import end_processes

SKIPPED = 77


def skip(why):
    print(f"SKIPPED: {why}", flush=True)
    sys.exit(SKIPPED)


def wait_for(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.1)
    sys.exit(f"timed out after {timeout} s waiting for {what}")


def toplevel_requests(log, request):
    """The string arguments of every xdg_toplevel request of that name the
    client sent, from the WAYLAND_DEBUG log."""
    return re.findall(rf'-> xdg_toplevel@\d+\.{request}\("([^"]*)"\)', log)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    program, app_id, close_module, artifacts = sys.argv[1:]
    if not shutil.which("weston"):
        skip("weston is not installed (scripts/install-deps.sh test installs it)")
    if not os.path.exists(close_module):
        skip("the weston module that closes toplevels was not built (package libweston-10-dev)")
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
        skip("Qt's Wayland platform is not installed (package qt6-wayland)")
    os.makedirs(artifacts, exist_ok=True)
    runtime = tempfile.mkdtemp(prefix="kalvenor-wayland-")
    os.chmod(runtime, 0o700)
    socket = "kalvenor-test"
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": runtime, "XDG_RUNTIME_DIR": runtime,
           "LANG": "C.UTF-8"}
    processes = []
    try:
        with open(os.path.join(artifacts, "weston.log"), "w") as weston_log:
            processes.append(subprocess.Popen(
                ["weston", "--backend=headless-backend.so", f"--socket={socket}", "--idle-time=0",
                 f"--modules={os.path.abspath(close_module)}",
                 "--width=1024", "--height=768"], env=env, stdout=weston_log, stderr=subprocess.STDOUT))
        wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), 30, "weston's socket")

        protocol_path = os.path.join(artifacts, "protocol.log")
        game_env = dict(env, WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
        with open(protocol_path, "w") as protocol_log:
            game = subprocess.Popen([program], env=game_env, stdout=protocol_log, stderr=subprocess.STDOUT)
        processes.append(game)

        def protocol():
            with open(protocol_path, errors="replace") as log:
                return log.read()

        wait_for(lambda: toplevel_requests(protocol(), "set_title") and
                 toplevel_requests(protocol(), "set_app_id") or game.poll() is not None,
                 30, "the toplevel's app id and title")
        log = protocol()
        app_ids, titles = toplevel_requests(log, "set_app_id"), toplevel_requests(log, "set_title")
        print(f"app id {app_ids}, title {titles}")
        if app_ids[-1:] != [app_id] or titles[-1:] != ["Kalvenor"]:
            sys.exit(f"the toplevel has app id {app_ids} and title {titles}, not {app_id!r} and 'Kalvenor'")
        if game.poll() is not None:
            sys.exit(f"the game ended with status {game.returncode} before it was closed")
        print("the toplevel carries the desktop entry's id and the title Kalvenor")

        time.sleep(1)  # the window is shown and its start-up step has run
        processes[0].send_signal(signal.SIGUSR2)
        try:
            status = game.wait(timeout=20)
        except subprocess.TimeoutExpired:
            sys.exit("the program did not end when the compositor closed its toplevel")
        if not re.search(r"xdg_toplevel@\d+\.close\(\)", protocol()):
            sys.exit("the program ended, but the protocol log shows no close event")
        if status != 0:
            sys.exit(f"closing the toplevel ended the program with status {status}")
        print("the compositor's close event ends the program with status 0")
    finally:
        end_processes(reversed(processes), timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
