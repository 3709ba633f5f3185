// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scenario: one command a line, run on the game with a recording view, a
// virtual clock and a scripted random sequence.
//
//   rand R1 R2 ...   append numbers 0 <= r < 1 to the random sequence
//   load             the window opens; virtual time 0 is this moment
//   start | stop | sound | exit | unload    the menu commands, closing the window
//   click K          a click on grid cell K (nothing if hidden or disabled)
//   buoy I           a click on buoy button I (nothing if hidden)
//   advance MS       serve every tick due within the next MS milliseconds
//   dump             print the state
// Blank lines and lines starting with '#' are ignored.

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "kalvenor/frmsea.h"
#include "kalvenor/random_source.h"
#include "kalvenor/recording_sound.h"
#include "kalvenor/recording_view.h"
#include "kalvenor/virtual_clock.h"

namespace kalvenor {

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Scenario {
 public:
  explicit Scenario(std::ostream& out);

  // Runs one line; returns false once the program has ended (exit, unload).
  // Throws ScenarioError for a malformed line or a value out of range.
  bool run(std::string_view line);

  Frmsea& game() { return game_; }
  const VirtualClock& clock() const { return clock_; }
  const RecordingView& view() const { return view_; }
  const RecordingSound& sound() const { return sound_; }
  ScriptedRandom& random() { return random_; }

 private:
  void requireWindow() const;

  std::ostream& out_;
  RecordingView view_;
  VirtualClock clock_;
  RecordingSound sound_;
  ScriptedRandom random_;
  Frmsea game_;
  bool loaded_ = false;
};

// Runs a whole scenario; returns the exit status: 0, or 2 after printing
// "error: line N: <reason>" to err.
int runScenario(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kalvenor
