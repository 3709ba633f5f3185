# SPDX-License-Identifier: GPL-3.0-or-later
"""The game under valgrind's memcheck, and memcheck's verdict: no error and
no leak, but for those inside the system libraries that
system-libraries.supp lists."""

import os
import re

# How long to wait for anything the game does: memcheck runs it some twenty
# times slower, more on a busy machine.
SLOW = 120

SUPPRESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "system-libraries.supp")


def under_memcheck(program, log):
    """The command that runs the program under memcheck, writing to `log`.
    Qt's regular expressions run without their just-in-time compiler, whose
    generated code memcheck cannot follow (it reports its reads as
    uninitialised, in code of no library)."""
    return ["env", "QT_ENABLE_REGEXP_JIT=0", "valgrind", "--tool=memcheck", "--leak-check=full", "--show-leak-kinds=definite,indirect,possible",
            "--errors-for-leak-kinds=definite,indirect,possible", "--num-callers=40", "--gen-suppressions=all",
            "--child-silent-after-fork=yes", f"--suppressions={SUPPRESSIONS}", f"--log-file={log}", program]


def verdict(log):
    """memcheck's complaints in the log, as text; empty when it has none."""
    with open(log, encoding="utf-8", errors="replace") as text:
        report = text.read()
    summary = re.search(r"ERROR SUMMARY: (\d+) errors", report)
    if not summary:
        return "memcheck wrote no summary: the program did not end normally"
    if summary.group(1) == "0":
        return ""
    lines = report.splitlines()
    start = next((n for n, line in enumerate(lines) if _COMPLAINT.match(line)), 0)
    end = next((n for n in range(start + 1, len(lines)) if _BLANK.match(lines[n])), len(lines))
    return f"{summary.group(1)} memcheck errors in {log}; the first:\n" + "\n".join(lines[start:end])


_COMPLAINT = re.compile(r"==\d+== (Invalid|Conditional|Use of|Syscall|Mismatched|Source and|Argument|.* lost in loss)")
_BLANK = re.compile(r"==\d+== *$")
