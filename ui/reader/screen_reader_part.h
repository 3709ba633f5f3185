// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears of the game beyond the window's own accessible
// objects: the game's events in words (narrator.h), what a buoy heard
// (buoy_reporter.h), each menu's title as it opens, and the board on the
// player's request (the score, the fleet, the buoys for sale, the cursor's
// row or column). It listens to the game's events and reads the game's own
// record of the board, never the screen; the spoken messages it says them
// through live in the form.

#include <cstdint>

#include "help/game_keys.h"
#include "kalvenor/game_events.h"
#include "reader/buoy_reporter.h"
#include "reader/narrator.h"

class QMenu;

namespace kalvenor {
class Frmsea;
}

namespace kalvenor::ui {

class SeaForm;
class SpokenMessages;

class ScreenReaderPart final : public GameEvents {
 public:
  ScreenReaderPart(SeaForm& form, const Frmsea& game);

  // A menu of the window's menu bar, named for a screen reader and saying its
  // title as it opens.
  void nameForScreenReader(QMenu& menu);
  // A key that asks about the board (the Say commands of game_keys.h); heard
  // only while a game's board is shown.
  void answer(KeyCommand asked);

  void gameStarted() override;
  void shipHit(int ship, int cellsHit) override;
  void shipSunk(int ship) override;
  void shotFired(int cell, ShotResult result) override;
  void shotRefused(int cell) override;
  void scoreChanged(std::int16_t score) override;
  void buoyDropped(int cell) override;
  void buoyHeard(int cell, int shipCells) override;
  void gameFinished(std::int16_t score) override;

 private:
  QString board(KeyCommand asked) const;

  SeaForm& form_;
  const Frmsea& game_;
  SpokenMessages* messages_;  // owned by the form
  Narrator narrator_;
  BuoyReporter buoyReporter_;
};

}  // namespace kalvenor::ui
