// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the game: the window, its timers and pictures, and the game
// logic Frmsea bound to them with the sound channels it is given. Menu
// commands, clicks and timer ticks go to Frmsea's handlers; Frmsea answers
// through the window's View, and tells its events to the listeners attached.
//
// Tmr1 never wakes the program. Its tick only draws a number from the random
// sequence, and nothing sees the sequence but the next handler of Frmsea; so
// Tmr1 counts its ticks on a monotonic clock, and before any event reaches
// Frmsea the session hands it the ticks owed since the last one, which it
// serves in one step however long the idle. Every draw then takes the number it
// would have taken had Tmr1 ticked every 2 ms.

#include <optional>

#include "game_listeners.h"
#include "kalvenor/frmsea.h"
#include "sea/pictures.h"
#include "sea_window.h"
#include "window_timers.h"

namespace kalvenor::ui {

class GameSession {
 public:
  GameSession(RandomSource& random, SoundChannels& sound, WindowTimers::Clock clock = WindowTimers::steadyClock());
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  // Shows the window, then loads the pictures and runs the game's load step:
  // the window appears before the slow work.
  void open();

  SeaWindow& window() { return window_; }
  WindowTimers& timers() { return timers_; }
  const Frmsea& game() const { return game_; }
  // From now on the listener hears the game's events.
  void attach(GameEvents& listener) { listeners_.attach(listener); }

 private:
  // Runs the Tmr1 ticks owed since the last event; every event that reaches
  // Frmsea comes after this.
  void runOwedTicks();
  void onMenu(MenuItem item);

  std::optional<const Pictures> pictures_;  // outlives the window that shows them
  SeaWindow window_;
  WindowTimers timers_;
  GameListeners listeners_;
  Frmsea game_;
};

}  // namespace kalvenor::ui
