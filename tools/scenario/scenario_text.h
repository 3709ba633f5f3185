// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scenario language: one command a line, each one thing that happens to
// the game.
//
//   rand R1 R2 ...   append numbers 0 <= r < 1 to the random sequence
//   load             the window opens; virtual time 0 is this moment
//   start | stop | sound | exit | unload    the menu commands, closing the window
//   click K          a click on grid cell K, 0 <= K < 750
//   buoy I           a click on buoy button I, 0 <= I < 5
//   advance MS       serve every tick due within the next MS milliseconds
//   dump             print the state
// Blank lines and lines starting with '#' are ignored.

#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace kalvenor {

struct Event {
  enum class Kind { Rand, Load, Start, Stop, Sound, Exit, Unload, Click, Buoy, Advance, Dump };
  Kind kind;
  std::int64_t value = 0;  // the cell, the button or the milliseconds
  float number = 0;        // the random number of Rand

  bool operator==(const Event&) const = default;
};

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The first line of a file without the UTF-8 byte-order mark some editors
// put before it.
std::string_view withoutByteOrderMark(std::string_view firstLine);

// The events of one line, one Rand for each of its numbers; none for a blank
// line or a comment. Throws ScenarioError saying what is wrong with it, the
// offending word cut short and its unprintable bytes written as \xNN.
std::vector<Event> readLine(std::string_view line);

// Every event of a scenario; throws ScenarioError "line N: <reason>".
std::vector<Event> readScenario(std::istream& in);

// One line for each event, the numbers of consecutive Rand events gathered
// on lines of their own; every number reads back exactly.
void writeScenario(std::ostream& out, const std::vector<Event>& events);

}  // namespace kalvenor
