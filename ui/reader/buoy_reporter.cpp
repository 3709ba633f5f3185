// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/buoy_reporter.h"

#include "reader/accessible_names.h"
#include "reader/spoken_messages.h"
#include "sea/sea_grid.h"

namespace kalvenor::ui {

void BuoyReporter::dropped(int cell) {
  forget();  // one buoy listens at a time
  buoyCell_ = cell;
}

void BuoyReporter::heard(int cell, int shipCells) {
  if (cell != buoyCell_) return;
  grid_.setCellNote(cell, buoyReport(shipCells));
  if (!reported_) messages_.say(buoyReport(shipCells));
  reported_ = true;
}

void BuoyReporter::cellFired(int cell) {
  if (cell == buoyCell_) forget();  // what the buoy heard is old news
}

void BuoyReporter::forget() {
  if (buoyCell_ >= 0) grid_.setCellNote(buoyCell_, {});
  buoyCell_ = -1;
  reported_ = false;
}

}  // namespace kalvenor::ui
