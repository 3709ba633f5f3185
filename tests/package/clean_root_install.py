#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the built package on a clean Debian 12 machine and plays a shot
with it: a minimal Debian root from the mirror this machine's apt sources
name, `apt-get install` of the package so that only its declared
dependencies come in, then the installed /usr/games/kalvenor under Xvfb. The
window must map, File > Start must show the grid, a shot must change a cell's
colour and closing the window must end the program with status 0.

The X server and the tools that look at the screen run on this machine;
only the game and what its package brings run inside the root, so no test
tool can stand in for a missing dependency.

Usage: clean_root_install.py PACKAGE.deb ARTIFACTS_DIR   (as root; uses sudo otherwise)
       clean_root_install.py --check   (only whether this machine can run the test)
The test runs in a private mount namespace, which a chroot (whose root is no
mount point) or most containers cannot make; there it fails at once with one
line, and `make test SKIP_CLEAN_ROOT=1` runs every other test. The base root is cached as a tarball in ${XDG_CACHE_HOME:-~/.cache}/kalvenor,
with the downloaded packages beside it."""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from harness.desktop import Desktop, wait_until
from harness.game_window import Game, expect
from harness.screen import GREY

SUITE = "bookworm"
IN_NAMESPACE = "KALVENOR_CLEAN_ROOT_NAMESPACE"
# Cell 0 is the top left cell; any grey cell will do for one shot.
TARGET_CELL = 0


SKIP_HINT = "`make test SKIP_CLEAN_ROOT=1` runs every other test"


def log(message):
    print(f"clean-root: {message}", flush=True)


def run(*argv, **kwargs):
    subprocess.run(argv, check=True, **kwargs)


def debian_sources():
    """(uri, suite) of each Debian 12 archive the machine's apt sources name,
    the main archive first."""
    found = []
    files = ["/etc/apt/sources.list", *sorted(glob.glob("/etc/apt/sources.list.d/*"))]
    for path in files:
        if not os.path.isfile(path):
            continue
        text = open(path, encoding="utf-8").read()
        if path.endswith(".sources"):
            for stanza in re.split(r"\n\s*\n", text):
                fields = dict(re.findall(r"^(\w[\w-]*):\s*(.*)$", stanza, re.M))
                if "deb" in fields.get("Types", "").split():
                    found += [(uri, suite) for uri in fields.get("URIs", "").split()
                              for suite in fields.get("Suites", "").split()]
        else:
            for line in text.splitlines():
                words = re.sub(r"\[[^]]*\]", "", line).split()
                if len(words) >= 3 and words[0] == "deb":
                    found.append((words[1], words[2]))
    debian = [(uri.rstrip("/"), suite) for uri, suite in found if re.fullmatch(SUITE + r"(-\w+)?", suite)]
    debian.sort(key=lambda source: source[1] != SUITE)
    if not debian or debian[0][1] != SUITE:
        sys.exit(f"clean-root: the apt sources name no Debian {SUITE} archive")
    return debian


def base_root(cache, sources):
    """The cached tarball of a minimal Debian root whose apt knows the
    machine's Debian archives; made on the first run."""
    tarball = os.path.join(cache, f"debian-{SUITE}-minbase.tar")
    if os.path.exists(tarball):
        return tarball
    mirror = sources[0][0]
    log(f"making the base root from {mirror} (once; cached in {tarball})")
    scratch = tempfile.mkdtemp(prefix="kalvenor-base-", dir=cache)
    os.chmod(scratch, 0o755)  # the root's "/": apt's own user must pass it
    try:
        run("debootstrap", "--variant=minbase", SUITE, scratch, mirror, stdout=subprocess.DEVNULL)
        with open(os.path.join(scratch, "etc/apt/sources.list"), "w", encoding="utf-8") as listing:
            listing.writelines(f"deb {uri} {suite} main\n" for uri, suite in sources)
        run("chroot", scratch, "apt-get", "-qq", "update")
        run("chroot", scratch, "apt-get", "clean")
        run("tar", "-C", scratch, "-cf", tarball + ".part", ".")
        os.rename(tarball + ".part", tarball)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return tarball


def bind(source, root, inside):
    target = os.path.join(root, inside.lstrip("/"))
    os.makedirs(target, exist_ok=True)
    run("mount", "--bind", source, target)


def install_package(root, package, archives):
    """apt-get install of the package file in the root, with the machine's
    cache of downloaded packages; returns the packages that came in."""
    run("mount", "-t", "proc", "proc", os.path.join(root, "proc"))
    bind("/dev/pts", root, "/dev/pts")
    # apt downloads as its own user, into the machine's cache of packages.
    apt_user = subprocess.run(["chroot", root, "id", "-u", "_apt"], check=True, capture_output=True,
                              text=True).stdout.strip()
    os.chown(os.path.join(archives, "partial"), int(apt_user), 0)
    bind(archives, root, "/var/cache/apt/archives")
    shutil.copy(package, os.path.join(root, "tmp"))
    before = set(installed_packages(root))
    run("chroot", root, "apt-get", "-qq", "update")
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    # A throw-away root needs no fsync after every file dpkg writes.
    run("chroot", root, "apt-get", "install", "-y", "-qq", "--no-install-recommends",
        "-o", "Dpkg::Options::=--force-unsafe-io",
        "/tmp/" + os.path.basename(package), env=env, stdout=subprocess.DEVNULL)
    return sorted(set(installed_packages(root)) - before)


def installed_packages(root):
    return subprocess.run(["chroot", root, "dpkg-query", "-W", "-f", "${Package}\n"], check=True,
                          capture_output=True, text=True).stdout.split()


def check_window_font(root):
    """The window's labels are laid out for Liberation Sans; fontconfig in
    the root must find it, not a stand-in."""
    family = subprocess.run(["chroot", root, "fc-match", "-f", "%{family}", "Liberation Sans"], check=True,
                            capture_output=True, text=True).stdout
    expect(family.split(",")[0] == "Liberation Sans", f"fontconfig offers {family!r} for Liberation Sans")


def play_one_shot(root, artifacts):
    with Desktop(artifacts) as desk:
        bind("/tmp/.X11-unix", root, "/tmp/.X11-unix")
        game_env = ["env", "-i", "PATH=/usr/bin:/bin", "HOME=/root", "LANG=C.UTF-8",
                    "DISPLAY=" + desk.env["DISPLAY"], "QT_QPA_PLATFORM=xcb"]
        process = desk.start(["chroot", root, *game_env, "/usr/games/kalvenor"])
        game = Game(desk, timeout=60)
        log("the window maps")
        expect(game.choose("Start"), "File > Start is not enabled, or its caption did not render")
        wait_until(lambda: game.look().cells().count(GREY) == len(game.cells()), 30, "the grey grid")
        game.look("grid.png")
        log("File > Start shows the grid")
        game.fire([TARGET_CELL])
        wait_until(lambda: game.look().cell(TARGET_CELL) != GREY, 30, "the shot cell to change colour")
        game.look("after-shot.png")
        log(f"the shot turned cell {TARGET_CELL} from grey to {game.cell(TARGET_CELL)}")
        desk.close_window("Kalvenor")
        status = process.wait(timeout=30)
        expect(status == 0, f"closing the window ended the program with status {status}")
        log("closing the window ends the program with status 0")


def require_namespace():
    """Exits with one line naming what the machine lacks if it cannot make
    the private mount namespace the test runs in."""
    probe = subprocess.run(["unshare", "--mount", "--propagation", "private", "--fork", "true"],
                           capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
    if probe.returncode == 0:
        return
    error = probe.stderr.strip().splitlines()[-1:] or [f"unshare exited with status {probe.returncode}"]
    if "Invalid argument" in error[0]:
        lacks = "its root is not a mount point (a chroot?)"
    elif "Operation not permitted" in error[0]:
        lacks = "it does not allow mount namespaces (a container?)"
    else:
        lacks = f"unshare says: {error[0]}"
    sys.exit(f"clean-root: this machine cannot make a private mount namespace: {lacks}; {SKIP_HINT}")


def main():
    check_only = sys.argv[1:] == ["--check"]
    if len(sys.argv) != 3 and not check_only:
        sys.exit(__doc__)
    cache = os.environ.get("KALVENOR_CACHE") or os.path.join(
        os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache"), "kalvenor")
    if os.geteuid() != 0:
        if not shutil.which("sudo"):
            sys.exit(f"clean-root: needs root, or sudo to become root; {SKIP_HINT}")
        os.execvp("sudo", ["sudo", f"KALVENOR_CACHE={cache}", f"PYTHONPATH={os.environ.get('PYTHONPATH', '')}",
                           sys.executable, *sys.argv])
    if check_only:
        require_namespace()
        return
    package, artifacts = map(os.path.abspath, sys.argv[1:])
    if not os.environ.get(IN_NAMESPACE):
        require_namespace()
        # The mounts die with a private mount namespace, however the test ends.
        os.environ[IN_NAMESPACE] = "1"
        os.environ["KALVENOR_CACHE"] = cache
        os.execvp("unshare", ["unshare", "--mount", "--propagation", "private", "--fork", "--kill-child",
                              sys.executable, "-B", *sys.argv])

    started = time.monotonic()
    os.makedirs(artifacts, exist_ok=True)
    archives = os.path.join(cache, "archives")
    os.makedirs(os.path.join(archives, "partial"), exist_ok=True)
    tarball = base_root(cache, debian_sources())
    root = tempfile.mkdtemp(prefix="kalvenor-root-")
    try:
        run("tar", "-C", root, "-xf", tarball)
        os.chmod(root, 0o755)  # the root's "/": apt's own user must pass it
        log(f"base root unpacked at {time.monotonic() - started:.1f} s")
        came_in = install_package(root, package, archives)
        with open(os.path.join(artifacts, "installed-packages.txt"), "w", encoding="utf-8") as listing:
            listing.writelines(name + "\n" for name in came_in)
        log(f"apt installed {len(came_in)} packages with kalvenor at {time.monotonic() - started:.1f} s")
        check_window_font(root)
        play_one_shot(root, artifacts)
    finally:
        for point in mounts_under(root):
            subprocess.run(["umount", point])
        # Never remove files through a mount that is still there: it would
        # reach the machine's X sockets or its package cache.
        if mounts_under(root):
            log(f"{root} still has mounts; left in place")
        else:
            shutil.rmtree(root, ignore_errors=True)
    log(f"passed in {time.monotonic() - started:.1f} s")


def mounts_under(root):
    with open("/proc/self/mounts", encoding="utf-8") as mounts:
        points = [line.split()[1] for line in mounts]
    return sorted((p for p in points if p.startswith(root + "/")), reverse=True)


if __name__ == "__main__":
    main()
