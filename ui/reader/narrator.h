// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts into words what the sighted player sees change: the result of a shot
// with the new score, a buoy's drop, a score spent on a buoy, the end of the
// game. It watches what the window shows, gathers the changes of one game
// event (a shot turns a cell red, then the whole ship black, and the score
// changes twice) and says them as one message once the event is handled.

#include <QColor>
#include <QString>
#include <QTimer>

namespace kalvenor::ui {

class SpokenMessages;

class Narrator final {
 public:
  explicit Narrator(SpokenMessages& messages);

  void cellColourChanged(QColor from, QColor to);
  // The score label's new caption.
  void scoreShown(const QString& caption);
  void gameOver();
  // At the player's request: the score now.
  void sayScore();

 private:
  void soon();
  void tellEvent();

  SpokenMessages& messages_;
  QTimer eventEnd_;
  QString score_;
  QColor shotResult_;  // cyan, red, or black for a sinking; invalid for none
  int sunkCells_ = 0;
  bool buoyDropped_ = false;
  bool scoreChanged_ = false;
  bool over_ = false;
};

}  // namespace kalvenor::ui
