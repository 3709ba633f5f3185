// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules a game of Kalvenor keeps at every moment, whatever the player,
// the window manager or the clock did before. Each check throws Breach
// naming the rule that broke.

#include <cstdint>

#include "kalvenor/frmsea.h"
#include "kalvenor/timers.h"

namespace kalvenor::fuzz {

// The longest a sinking holds the grid (class B: 12 ticks of 100 ms), and the
// longest a buoy cycle runs (29 ship cells heard: 4 pauses and 3 bursts).
inline constexpr std::int64_t kLongestSinkingMs = 1200;
inline constexpr std::int64_t kLongestBuoyCycleMs = 4000 + 3 * 29 * 400;

// The game at one moment, with what the watcher saw happen before it.
struct Moment {
  const Frmsea& game;
  const Timers& timers;
  std::int64_t now;
  bool started;             // Start has been chosen at least once
  bool fleetPlaced;         // the fleet of the current game is on the grid
  std::int64_t busySince;   // when `busy` last became 1
  std::int64_t droppedAt;   // when the last buoy was dropped
};

// Every rule of the state record, the grid, the fleet, the score, the buoy
// panel, the timers and the menu.
void checkRules(const Moment& moment);

// What Start leaves, whatever came before it: no sinking, marker or buoy
// carried over, and the grid hidden until the fleet is placed.
void checkFreshGame(const Frmsea& game, const Timers& timers);

// The fleet the placement laid out: 31 different cells on the grid, and no
// two ships touching, not even at a corner.
void checkFleetLayout(const Frmsea& game);

}  // namespace kalvenor::fuzz
