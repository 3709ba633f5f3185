// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game of Kalvenor under watch: Frmsea on a virtual clock, its random
// numbers from the caller and then from a fixed generator, and its rules
// checked after every event that reaches it. Events reach it as they would
// reach the real window: menu items only while enabled, clicks only on shown
// and enabled controls, nothing after the program has ended.

#include <cstdint>
#include <vector>

#include "checking_sound.h"
#include "checking_view.h"
#include "fuzz_random.h"
#include "kalvenor/frmsea.h"
#include "kalvenor/virtual_clock.h"
#include "rules.h"
#include "scenario_text.h"

namespace kalvenor::fuzz {

class CheckedGame {
 public:
  CheckedGame();
  CheckedGame(const CheckedGame&) = delete;
  CheckedGame& operator=(const CheckedGame&) = delete;

  // Runs one event; one that could not happen now is dropped. Throws Breach
  // when the game breaks a rule.
  void apply(const Event& event);
  // Moves the clock to the next tick of any timer but Tmr1, if one is due
  // within a minute.
  void advanceToNextGameTick();
  void reseed(std::uint32_t seed) { random_.reseed(seed); }

  // From whatever state the game is in: Start, fire at every cell in order,
  // waiting out each sinking, and expect the game over with 31 black cells.
  void playToTheEnd();

  const Frmsea& game() const { return game_; }
  std::int64_t now() const { return clock_.now(); }
  bool ended() const { return ended_; }
  // How many times the game has been held to its rules.
  std::int64_t checks() const { return checks_; }
  // What reached the game, and every random number it drew.
  const std::vector<Event>& events() const { return events_; }
  std::vector<float> drawn() const { return random_.drawn(); }
  // The scenario that plays the same game again: every number drawn first,
  // in the order drawn, then what reached the game.
  std::vector<Event> scenario() const;

 private:
  void run(const Event& event);
  void tick(Timer timer);
  // Moves the clock; true if a timer other than Tmr1 ticked.
  bool advance(std::int64_t ms);
  // After an event: follows busy and the buoy, and holds the game to its
  // rules unless only milestones are watched.
  void afterEvent();
  void checkRulesNow();

  CheckingView view_;
  VirtualClock clock_;
  CheckingSound sound_{clock_};
  FuzzRandom random_;
  Frmsea game_{view_, clock_, sound_, random_};

  bool loaded_ = false;
  bool started_ = false;
  bool fleetPlaced_ = false;
  bool ended_ = false;
  bool watchEveryEvent_ = true;
  std::int16_t lastBusy_ = 0;
  std::int16_t lastBuoyBusy_ = 0;
  std::int64_t busySince_ = 0;
  std::int64_t droppedAt_ = 0;
  std::array<GridIndex, kSlots> placedFleet_{};
  std::vector<Event> events_;
  RuleWatch rules_;
  bool handlerRan_ = true;  // since the last check
  std::int64_t checkedAt_ = -1;
  std::int64_t checks_ = 0;
};

}  // namespace kalvenor::fuzz
