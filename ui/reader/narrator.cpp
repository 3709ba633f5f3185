// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/narrator.h"

#include "reader/accessible_names.h"
#include "kalvenor/grid.h"
#include "sea/screen_units.h"
#include "reader/spoken_messages.h"

namespace kalvenor::ui {

Narrator::Narrator(SpokenMessages& messages) : messages_(messages) {
  eventEnd_.setSingleShot(true);
  eventEnd_.setInterval(0);  // after the handler that made the changes
  QObject::connect(&eventEnd_, &QTimer::timeout, &messages_, [this] { tellEvent(); });
}

void Narrator::cellColourChanged(QColor from, QColor to) {
  const QColor grey = toQColor(CellColour::Grey);
  if (to == toQColor(CellColour::Black)) {
    ++sunkCells_;
    shotResult_ = to;
  } else if (to == toQColor(CellColour::Cyan) || to == toQColor(CellColour::Red)) {
    if (!shotResult_.isValid()) shotResult_ = to;
  } else if (from == grey && to == toQColor(CellColour::DarkYellow)) {
    buoyDropped_ = true;
  } else {
    return;  // a flash, or a new game greying the grid
  }
  soon();
}

void Narrator::scoreShown(const QString& caption) {
  const QString score = caption.trimmed();
  if (score == score_) return;
  score_ = score;
  scoreChanged_ = true;
  soon();
}

void Narrator::gameOver() {
  over_ = true;
  soon();
}

void Narrator::sayScore() {
  if (!score_.isEmpty()) messages_.say(scoreReport(score_));
}

void Narrator::soon() {
  if (!eventEnd_.isActive()) eventEnd_.start();
}

void Narrator::tellEvent() {
  if (shotResult_.isValid()) {
    messages_.say(shotReport(shotResult_, sunkCells_, score_));
  } else if (buoyDropped_) {
    messages_.say(legendCaption(toQColor(CellColour::DarkYellow)));
  } else if (scoreChanged_) {
    messages_.say(scoreReport(score_));
  }
  if (over_) messages_.say(gameOverReport(score_));
  shotResult_ = QColor();
  sunkCells_ = 0;
  buoyDropped_ = scoreChanged_ = over_ = false;
}

}  // namespace kalvenor::ui
