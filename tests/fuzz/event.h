// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One thing that happens to the game, as a scenario line says it: a random
// number fed to the sequence, the window opening or closing, a menu command,
// a click, or time passing.

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalvenor::fuzz {

struct Event {
  enum class Kind { Rand, Load, Start, Stop, Sound, Exit, Unload, Click, Buoy, Advance };
  Kind kind;
  long long value = 0;  // the cell, the button or the milliseconds
  float number = 0;     // the random number of Rand

  bool operator==(const Event&) const = default;
};

class ScenarioSyntaxError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a scenario file into its events; `dump` lines and comments are
// dropped. Throws ScenarioSyntaxError naming the line it cannot read.
std::vector<Event> readScenario(std::istream& in);

// Writes the events as a scenario that kalvenor-replay runs: every random
// number the game drew comes first, in the order it was drawn.
void writeScenario(std::ostream& out, const std::vector<float>& drawn, const std::vector<Event>& events);

}  // namespace kalvenor::fuzz
