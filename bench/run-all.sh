#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every benchmark of the game: the game logic (Google Benchmark), Start on the
# real widgets (Qt Test), then start-up, memory and idle cost on a desktop
# against the peers, as one table. See bench/README.md.
# Usage: bench/run-all.sh BUILD_DIR
set -euo pipefail

build=${1:?usage: bench/run-all.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)

echo "== Game logic on the virtual clock (Google Benchmark)"
"$build/bench/kalvenor_bench"

echo
echo "== The first event after an idle window (Google Benchmark; offscreen)"
"$build/bench/kalvenor_idle_bench"

echo
echo "== Start on the real widgets, offscreen (Qt Test; main-thread time)"
window_bench=("$build/bench/kalvenor_window_bench" -minimumvalue 50000000)
# The thread's task clock where the kernel lets a program count its own
# events; the wall clock otherwise.
if ! QT_QPA_PLATFORM=offscreen "${window_bench[@]}" -perf -perfcounter task-clock; then
  echo "(no perf events here: wall-clock time instead)"
  QT_QPA_PLATFORM=offscreen "${window_bench[@]}"
fi

echo
echo "== Start-up, memory and idle cost on a desktop, against the peers"
PYTHONPATH="$here/../tests/e2e" /usr/bin/python3 -B "$here/desktop_bench.py" "$build" --out "$build/bench/desktop-results.md"
