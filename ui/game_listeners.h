// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's events passed on to every listener attached, in the order they
// were attached.

#include <vector>

#include "kalvenor/game_events.h"

namespace kalvenor::ui {

class GameListeners final : public GameEvents {
 public:
  // The listener must outlive the game's last event.
  void attach(GameEvents& listener) { listeners_.push_back(&listener); }

  void gameStarted() override { tell(&GameEvents::gameStarted); }
  void shipHit(int ship, int cellsHit) override { tell(&GameEvents::shipHit, ship, cellsHit); }
  void shipSunk(int ship) override { tell(&GameEvents::shipSunk, ship); }
  void shotFired(int cell, ShotResult result) override { tell(&GameEvents::shotFired, cell, result); }
  void shotRefused(int cell) override { tell(&GameEvents::shotRefused, cell); }
  void scoreChanged(std::int16_t score) override { tell(&GameEvents::scoreChanged, score); }
  void buoyDropped(int cell) override { tell(&GameEvents::buoyDropped, cell); }
  void buoyHeard(int cell, int shipCells) override { tell(&GameEvents::buoyHeard, cell, shipCells); }
  void gameFinished(std::int16_t score) override { tell(&GameEvents::gameFinished, score); }

 private:
  template <typename Event, typename... Args>
  void tell(Event event, Args... args) {
    for (GameEvents* listener : listeners_) (listener->*event)(args...);
  }

  std::vector<GameEvents*> listeners_;
};

}  // namespace kalvenor::ui
