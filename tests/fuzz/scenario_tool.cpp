// SPDX-License-Identifier: GPL-3.0-or-later
// kalvenor-fuzz-scenario: between scenario files and the fuzzer's inputs.
//   encode < SCENARIO > INPUT   the input that plays the scenario's events
//   decode < INPUT > SCENARIO   plays the input and its game to the end under
//                               watch, and writes what reached the game; a
//                               broken rule ends it, named on stderr (status 1)

#include <iostream>
#include <iterator>
#include <string_view>
#include <vector>

#include "breach.h"
#include "checked_game.h"
#include "input_decoder.h"
#include "scenario_text.h"

namespace {

int encode() {
  const std::vector<std::uint8_t> input = kalvenor::fuzz::encodeEvents(kalvenor::readScenario(std::cin));
  std::cout.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
  return 0;
}

int decode() {
  const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  kalvenor::fuzz::CheckedGame game;
  int status = 0;
  try {
    kalvenor::fuzz::playInput(input.data(), input.size(), game);
    game.playToTheEnd();
  } catch (const kalvenor::fuzz::Breach& breach) {
    std::cerr << "breach: " << breach.what() << '\n';
    status = 1;
  }
  kalvenor::writeScenario(std::cout, game.scenario());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc == 2 ? argv[1] : "";
  try {
    if (mode == "encode") return encode();
    if (mode == "decode") return decode();
  } catch (const kalvenor::ScenarioError& e) {
    std::cerr << "error: " << e.what() << '\n';
    return 2;
  }
  std::cerr << "usage: kalvenor-fuzz-scenario encode|decode < in > out\n";
  return 2;
}
