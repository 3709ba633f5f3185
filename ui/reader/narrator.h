// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the game's events into words: the result of a shot with the ship it
// hit and the new score, a shot the game ignored while a ship sinks, a buoy's
// drop, a score spent on a buoy, the end of the game. A shot changes the
// score before it is told, so a change of score is said on its own only once
// the event that made it is handled and has not said it.

#include <QString>
#include <QTimer>

#include <cstdint>

#include "kalvenor/game_events.h"

namespace kalvenor::ui {

class SpokenMessages;

class Narrator final {
 public:
  explicit Narrator(SpokenMessages& messages);

  void shipHit(int ship, int cellsHit);
  void shipSunk();
  void shotFired(ShotResult result);
  void shotRefused();
  void scoreChanged(std::int16_t score);
  void buoyDropped();
  void gameFinished(std::int16_t score);

 private:
  void say(const QString& text);

  SpokenMessages& messages_;
  QTimer eventEnd_;
  QString score_;
  int ship_ = 0;
  int cellsHit_ = 0;
  bool waitTold_ = false;  // for the sinking under way
};

}  // namespace kalvenor::ui
