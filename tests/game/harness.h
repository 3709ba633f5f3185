// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game on a virtual clock with a scripted random sequence, a recording view
// and recording sound channels: everything a test needs to drive Frmsea.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "kalvenor/frmsea.h"
#include "kalvenor/placement.h"
#include "kalvenor/random_source.h"
#include "kalvenor/virtual_clock.h"
#include "recording_sound.h"
#include "recording_view.h"

namespace kalvenor::testing {

// The number r that makes Int(n r) come out as `value`.
inline float numberFor(int value, int n) { return (static_cast<float>(value) + 0.5f) / static_cast<float>(n); }
inline float orientationNumber(int orient) { return numberFor(orient - 1, 4); }
inline float anchorNumber(const ShipShape& shape, int anchor) {
  return numberFor(anchor - shape.anchorBase, shape.anchorCount);
}

// The shape a ship of the fleet takes in an orientation.
inline const ShipShape& shapeOf(int ship, int orient) {
  if (ship == 0) return kShip0Shapes[orient - 1];
  return kRunShapes[static_cast<int>(kFleet[ship].shipClass) - 1][orient - 1];
}

// The numbers that place `ship` at `anchor` in orientation `orient` at once.
inline std::vector<float> placing(int ship, int orient, int anchor) {
  return {orientationNumber(orient), anchorNumber(shapeOf(ship, orient), anchor)};
}

// What the game told of its events, one line each ("hit ship 6, 1 cells"),
// and the final scores apart.
class RecordingEvents final : public GameEvents {
 public:
  void gameStarted() override { log.push_back("started"); }
  void shipHit(int ship, int cellsHit) override {
    log.push_back("hit ship " + std::to_string(ship) + ", " + std::to_string(cellsHit) + " cells");
  }
  void shipSunk(int ship) override { log.push_back("sunk ship " + std::to_string(ship)); }
  void shotFired(int cell, ShotResult result) override {
    static constexpr std::array<const char*, 3> results = {"miss", "hit", "sunk"};
    log.push_back("shot " + std::to_string(cell) + " " + results[static_cast<int>(result)]);
  }
  void shotRefused(int cell) override { log.push_back("refused " + std::to_string(cell)); }
  void scoreChanged(std::int16_t score) override { log.push_back("score " + std::to_string(score)); }
  void buoyDropped(int cell) override { log.push_back("buoy " + std::to_string(cell)); }
  void buoyHeard(int cell, int shipCells) override {
    log.push_back("buoy " + std::to_string(cell) + " heard " + std::to_string(shipCells));
  }
  void gameFinished(std::int16_t score) override { finishedScores.push_back(score); }

  std::vector<std::string> log;
  std::vector<std::int16_t> finishedScores;
};

struct Harness {
  RecordingView view;
  VirtualClock clock;
  RecordingSound sound;
  ScriptedRandom random;
  RecordingEvents events;
  Frmsea game{view, clock, sound, random, &events};

  void feed(std::initializer_list<float> numbers) {
    for (float r : numbers) random.append(r);
  }
  void feed(const std::vector<float>& numbers) {
    for (float r : numbers) random.append(r);
  }
  // Numbers for Tmr1 to draw over the next `ms`: it ticks at every even
  // millisecond since the window opened at time 0.
  void feedTicks(int ms) {
    const std::int64_t ticks = (clock.now() + ms) / 2 - clock.now() / 2;
    for (std::int64_t n = 0; n < ticks; ++n) random.append(0.25f);
  }
  void advance(std::int64_t ms) {
    clock.advance(ms, [this](Timer t) { game.onTimer(t); });
  }
  // Advance with Tmr1's numbers supplied.
  void wait(int ms) {
    feedTicks(ms);
    advance(ms);
  }
  bool timer(Timer t) const { return clock.enabled(t); }
  const Screen& screen() const { return game.screen(); }
  void click(int cell) {
    if (game.clickable(Control::Picarea, cell)) game.picareaClick(cell);
  }
  void clickBuoy(int index) {
    if (game.clickable(Control::Cmdbuoy, index)) game.cmdbuoyClick(index);
  }

  // Opens the window, starts a game and lays out this fleet directly, as
  // the placement chain would: the grid shown, every ship afloat.
  void startWithFleet(const std::array<GridIndex, kSlots>& cells) {
    game.formLoad();
    game.mnustartClick();
    game.shipcell = cells;
    for (GridIndex cell : cells) game.occupied[cell] = 1;
    clock.setEnabled(Timer::Tmr2, false);
    clock.setEnabled(Timer::Tmr1, false);  // keep Tmr1 from asking for numbers
    game.naytaruudukko();
  }
};

// A legal fleet, ships well apart: ship 0 vertical at 30, ships 1 and 2
// vertical in columns 4 and 7, ships 3 to 5 horizontal in row 10, ships 6 to
// 9 vertical in row 20.
inline constexpr std::array<GridIndex, kSlots> kSampleFleet = {
    1,   30,  31,  60,  61,  90,              // ship 0
    4,   34,  64,  94,                        // ship 1
    7,   37,  67,  97,                        // ship 2
    300, 301, 302,                            // ship 3
    306, 307, 308,                            // ship 4
    312, 313, 314,                            // ship 5
    600, 630, 603, 633, 606, 636, 609, 639};  // ships 6 to 9

inline std::vector<int> shipCells(const Frmsea& game, int ship) {
  std::vector<int> cells;
  const int first = kFleet[ship].firstSlot;
  for (int j = first; j < first + classOf(ship).cells; ++j) cells.push_back(game.shipcell[j]);
  return cells;
}

}  // namespace kalvenor::testing
