// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What happens in a game, as the game itself knows it: a shot and what it
// found, the ship it hit from the game's own record, a sinking, a shot the
// game ignored, a buoy's drop and what it heard, the score and the end. The
// view shows the board; these tell the story, for whoever listens (a screen
// reader's narration, the best scores).

#include <cstdint>

namespace kalvenor {

enum class ShotResult { Miss, Hit, Sunk };

class GameEvents {
 public:
  virtual ~GameEvents() = default;

  virtual void gameStarted() = 0;
  // A ship of the fleet (kFleet's index) took a hit; `cellsHit` of its
  // cells are hit now. Told before the shot that hit it.
  virtual void shipHit(int ship, int cellsHit) = 0;
  // The hit sank the ship: told after shipHit, before the shot.
  virtual void shipSunk(int ship) = 0;
  // A shot at a cell not fired at before, once the shot has been handled and
  // its score shown.
  virtual void shotFired(int cell, ShotResult result) = 0;
  // A click on the grid while a ship sinks: the game takes no shot then.
  virtual void shotRefused(int cell) = 0;
  virtual void scoreChanged(std::int16_t score) = 0;
  virtual void buoyDropped(int cell) = 0;
  // What the buoy on `cell` heard, as the player can count it: at the end of
  // each burst of flashes, or once its cycle ends without a flash.
  virtual void buoyHeard(int cell, int shipCells) = 0;
  // Every ship cell is hit and `score` is final: told once a finished game.
  virtual void gameFinished(std::int16_t score) = 0;
};

// Hears nothing: for a game nobody listens to, and the start of a listener
// that hears only a few events.
class NullGameEvents : public GameEvents {
 public:
  void gameStarted() override {}
  void shipHit(int, int) override {}
  void shipSunk(int) override {}
  void shotFired(int, ShotResult) override {}
  void shotRefused(int) override {}
  void scoreChanged(std::int16_t) override {}
  void buoyDropped(int) override {}
  void buoyHeard(int, int) override {}
  void gameFinished(std::int16_t) override {}
};

}  // namespace kalvenor
