// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/narrator.h"

#include "reader/accessible_names.h"
#include "reader/spoken_messages.h"
#include "sea/screen_units.h"

namespace kalvenor::ui {

Narrator::Narrator(SpokenMessages& messages) : messages_(messages) {
  eventEnd_.setSingleShot(true);
  eventEnd_.setInterval(0);  // after the handler that changed the score
  QObject::connect(&eventEnd_, &QTimer::timeout, &messages_, [this] { messages_.say(scoreReport(score_)); });
}

void Narrator::shipHit(int ship, int cellsHit) {
  ship_ = ship;
  cellsHit_ = cellsHit;
}

void Narrator::shipSunk() { waitTold_ = false; }

void Narrator::shotFired(ShotResult result) { say(shotReport(result, ship_, cellsHit_, score_)); }

void Narrator::shotRefused() {
  if (!waitTold_) messages_.say(waitReport());
  waitTold_ = true;
}

void Narrator::scoreChanged(std::int16_t score) {
  const QString text = QString::number(score);
  if (text == score_) return;
  score_ = text;
  eventEnd_.start();
}

void Narrator::buoyDropped() { say(legendCaption(toQColor(CellColour::DarkYellow))); }

void Narrator::gameFinished(std::int16_t score) { say(gameOverReport(QString::number(score))); }

void Narrator::say(const QString& text) {
  eventEnd_.stop();  // the event says its score itself, or leaves it as it was
  messages_.say(text);
}

}  // namespace kalvenor::ui
