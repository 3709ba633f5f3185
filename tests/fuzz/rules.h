// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules a game of Kalvenor keeps at every moment, whatever the player,
// the window manager or the clock did before. Each check throws Breach
// naming the rule that broke.

#include <array>
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

// What the fleet and the grid say about the game.
struct Tally {
  std::array<int, kCells> shipAt;  // the ship on the cell, or -1
  std::array<bool, kShips> sunk{};
  std::array<int, kShips> slotsHit{};
  int sunkShips = 0;
  int shots = 0;      // cells fired at: cyan, red or black
  int buoyCells = 0;  // cells dark yellow or yellow
  int shownCells = 0;
  int enabledCells = 0;
};

// Holds a game to every rule of the state record, the grid, the fleet, the
// score, the buoy panel, the timers and the menu, event after event. The
// rules on each of the 750 cells depend on the grid's arrays and the fleet
// alone, and most events (a step of a sinking or of the marker, a buoy's
// pause) change few or none of them: the last check's verdict stands on
// every cell that has not changed since, nor belongs to a ship that has,
// and the tally moves by what has changed.
class RuleWatch {
 public:
  void check(const Moment& moment);

 private:
  // Everything the cell by cell rules read.
  struct Grid {
    std::array<CellColour, kCells> colour;
    std::array<bool, kCells> enabled;
    std::array<bool, kCells> shown;
    std::array<std::int16_t, kCells + 1> occupied;
    std::array<std::int16_t, kCells + 1> shot;
    std::array<GridIndex, kSlots> shipcell;
    std::array<std::int16_t, kSlots> cellhit;
    bool started;
    bool fleetPlaced;
  };
  static Grid gridOf(const Moment& moment);
  void checkEveryCell(const Moment& moment);
  void checkChanges(const Moment& moment);

  bool checked_ = false;
  Grid grid_{};
  Tally tally_{};
  std::array<bool, kCells> changed_{};
  std::array<int, kCells> changedCells_{};
};

// Every rule at one moment, with no earlier check to lean on.
void checkRules(const Moment& moment);

// What Start leaves, whatever came before it: no sinking, marker or buoy
// carried over, and the grid hidden until the fleet is placed.
void checkFreshGame(const Frmsea& game, const Timers& timers);

// The fleet the placement laid out: 31 different cells on the grid, and no
// two ships touching, not even at a corner.
void checkFleetLayout(const Frmsea& game);

}  // namespace kalvenor::fuzz
