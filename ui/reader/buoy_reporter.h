// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells a screen reader what a listening buoy heard. The game shows the count
// only as bursts of flashes of the buoy's cell; this watches the cell's
// colours as the window draws them, counts the flashes of a burst, and once
// the cell has stayed still a while adds the count to the cell's accessible
// description ("Listening buoy, 3 flashes"), which a screen reader speaks. A
// buoy that hears nothing never flashes: "no flash" comes when its cell turns
// grey. The note stays until the cell is fired at or the next buoy is
// dropped. The first count of each buoy is also said as a message. (A description, not the name: Qt's bridge to AT-SPI passes on a
// name change only for an accessible with an object of its own, and a cell
// has none.)

#include <QColor>
#include <QTimer>

#include <chrono>

namespace kalvenor::ui {

class SeaGrid;
class SpokenMessages;

class BuoyReporter final {
 public:
  // A flash turns the cell yellow and back every 200 ms; bursts are a second
  // apart. A cell still for `quiet` has ended its burst.
  BuoyReporter(SeaGrid& grid, SpokenMessages& messages,
               std::chrono::milliseconds quiet = std::chrono::milliseconds(700));

  // Before the grid draws the cell in its new colour.
  void colourChanging(int cell, QColor from, QColor to);

 private:
  void reportBurst();

  SeaGrid& grid_;
  SpokenMessages& messages_;
  QTimer burstEnd_;
  int buoyCell_ = -1;
  int flashes_ = 0;
  bool reported_ = false;
};

}  // namespace kalvenor::ui
