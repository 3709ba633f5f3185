// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/buoy_reporter.h"

#include "reader/accessible_names.h"
#include "kalvenor/grid.h"
#include "sea/screen_units.h"
#include "sea/sea_grid.h"
#include "reader/spoken_messages.h"

namespace kalvenor::ui {

BuoyReporter::BuoyReporter(SeaGrid& grid, SpokenMessages& messages, std::chrono::milliseconds quiet)
    : grid_(grid), messages_(messages) {
  burstEnd_.setSingleShot(true);
  burstEnd_.setInterval(quiet);
  QObject::connect(&burstEnd_, &QTimer::timeout, &grid_, [this] { reportBurst(); });
}

void BuoyReporter::colourChanging(int cell, QColor from, QColor to) {
  const QColor grey = toQColor(CellColour::Grey);
  const QColor buoy = toQColor(CellColour::DarkYellow);
  const QColor flash = toQColor(CellColour::Yellow);
  if (from == to) return;  // a burst ends by setting the buoy's colour again
  if (from == grey && to == buoy) {  // a drop: one buoy listens at a time
    if (buoyCell_ >= 0) grid_.setCellNote(buoyCell_, {});
    buoyCell_ = cell;
    flashes_ = 0;
    reported_ = false;
    burstEnd_.stop();
    return;
  }
  if (cell != buoyCell_) return;
  if (to == flash) {
    ++flashes_;
    burstEnd_.start();
  } else if (from == flash && to == buoy) {
    burstEnd_.start();
  } else if (to == grey) {  // the cycle is over
    burstEnd_.stop();
    if (flashes_ > 0 || !reported_) reportBurst();
  } else {  // fired at: what the buoy heard is old news
    burstEnd_.stop();
    grid_.setCellNote(buoyCell_, {});
    buoyCell_ = -1;
  }
}

void BuoyReporter::reportBurst() {
  grid_.setCellNote(buoyCell_, buoyReport(flashes_));
  if (!reported_) messages_.say(buoyReport(flashes_));
  reported_ = true;
  flashes_ = 0;
}

}  // namespace kalvenor::ui
