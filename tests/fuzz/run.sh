#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the game logic: builds the fuzzer with clang under ASan and UBSan,
# replays the seed corpus of scenario files, then fuzzes for SECONDS seconds
# from a scratch copy of the corpus, so the repository is left as it was.
# A broken rule stops the run; the input is kept in build-fuzz/breaches/ and
# `kalvenor-fuzz-scenario decode < INPUT` writes it down as a scenario.
# Usage: tests/fuzz/run.sh SECONDS
set -euo pipefail

seconds=${1:?usage: tests/fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# File by file, where the other builds join each room's files into one unit:
# each of the game's files is seen to include what it uses.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_WERROR=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$sanitizers" -DKALVENOR_ROOM_UNITS=OFF \
  -DKALVENOR_UI=OFF -DKALVENOR_BENCH=OFF -DKALVENOR_FUZZER=ON >/dev/null
cmake --build "$build" --target kalvenor-fuzz kalvenor-fuzz-scenario
fuzzer=$build/tests/fuzz/kalvenor-fuzz
scenario_tool=$build/tests/fuzz/kalvenor-fuzz-scenario

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/seeds" "$scratch/found"
mkdir -p "$build/breaches"
for scenario in "$root"/tests/fuzz/corpus/*.scn "$root"/tests/scenarios/*.scn; do
  "$scenario_tool" encode <"$scenario" >"$scratch/seeds/$(basename "$scenario" .scn)"
done

options=(-dict="$root/tests/fuzz/moves.dict" -max_len=4096 -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$build/breaches/" -print_final_stats=1)
echo "fuzz: replaying $(ls "$scratch/seeds" | wc -l) corpus scenarios"
"$fuzzer" "${options[@]}" -runs=0 "$scratch/seeds" 2>"$scratch/replay.log" || { cat "$scratch/replay.log"; exit 1; }

echo "fuzz: fuzzing for $seconds s"
started=$(date +%s%N)
"$fuzzer" "${options[@]}" -max_total_time="$seconds" "$scratch/found" "$scratch/seeds" 2>"$scratch/fuzz.log" \
  || { cat "$scratch/fuzz.log"; exit 1; }
elapsed_ns=$(( $(date +%s%N) - started ))
grep -E '^#[0-9]+[[:space:]]+DONE|^stat::' "$scratch/fuzz.log" || true
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/fuzz.log")
checks=$(sed -n 's/^stat::game_events_checked: *//p' "$scratch/fuzz.log")
rate() { echo $(( ${1:-0} * 1000000000 / elapsed_ns )); }
echo "fuzz: ${runs:-?} executions in $(( elapsed_ns / 1000000000 )) s ($(rate "$runs") a second), ${checks:-?} game events checked" \
  "($(rate "$checks") a second), no breach; $(ls "$scratch/found" | wc -l) new inputs found"
