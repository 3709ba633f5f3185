// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scenario (scenario_text.h) run on the game with a virtual clock and a
// scripted random sequence. The dump reads the game's own screen, so the view
// and the sound channels keep nothing: memory does not grow with the length
// of a scenario. A menu command not enabled, and a click on what is hidden or
// disabled, do nothing.

#include <istream>
#include <ostream>
#include <string_view>

#include "kalvenor/frmsea.h"
#include "kalvenor/random_source.h"
#include "kalvenor/sound.h"
#include "kalvenor/view.h"
#include "kalvenor/virtual_clock.h"
#include "scenario_text.h"

namespace kalvenor {

class Scenario {
 public:
  explicit Scenario(std::ostream& out);

  // Runs one line; returns false once the program has ended (exit, unload).
  // Throws ScenarioError for a malformed line or a value out of range.
  bool run(std::string_view line);

 private:
  // Runs one event; returns false once the program has ended.
  bool run(const Event& event);
  void requireWindow() const;

  std::ostream& out_;
  NullView view_;
  VirtualClock clock_;
  NullSound sound_;
  ScriptedRandom random_;
  Frmsea game_;
  bool loaded_ = false;
};

// Runs a whole scenario; returns the exit status: 0, or 2 after printing
// "error: line N: <reason>" to err.
int runScenario(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kalvenor
