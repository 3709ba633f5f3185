// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer's entry: each input is a game played under watch and then
// played to its end; a broken rule aborts with the game written down as a
// scenario.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "breach.h"
#include "checked_game.h"
#include "input_decoder.h"

namespace {

// The checks of every input, reported when the fuzzer exits: libFuzzer
// counts the inputs, not the game moments held to the rules.
struct ChecksReport {
  std::int64_t checks = 0;
  ~ChecksReport() { std::fprintf(stderr, "stat::game_events_checked: %lld\n", static_cast<long long>(checks)); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ChecksReport report;
  kalvenor::fuzz::CheckedGame game;
  try {
    kalvenor::fuzz::playInput(data, size, game);
    game.playToTheEnd();
  } catch (const kalvenor::fuzz::Breach& breach) {
    std::cerr << "breach: " << breach.what() << "\n--- the game up to the breach, as a scenario ---\n";
    kalvenor::writeScenario(std::cerr, game.scenario());
    std::abort();
  }
  report.checks += game.checks();
  return 0;
}
