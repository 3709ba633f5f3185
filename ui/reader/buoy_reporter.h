// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells a screen reader what a listening buoy heard. The game shows the count
// only as bursts of flashes of the buoy's cell, and tells it as each burst
// ends (or as a buoy that heard nothing comes back); this adds the count to
// the cell's accessible description ("Listening buoy, 3 flashes"), which a
// screen reader speaks, and says the first count of each buoy as a message.
// The note stays until the cell is fired at, the next buoy is dropped or a new
// game starts. (A description, not the name: Qt's bridge to AT-SPI passes on
// a name change only for an accessible with an object of its own, and a cell
// has none.)

namespace kalvenor::ui {

class SeaGrid;
class SpokenMessages;

class BuoyReporter final {
 public:
  BuoyReporter(SeaGrid& grid, SpokenMessages& messages) : grid_(grid), messages_(messages) {}

  void dropped(int cell);
  void heard(int cell, int shipCells);
  void cellFired(int cell);
  void forget();

 private:
  SeaGrid& grid_;
  SpokenMessages& messages_;
  int buoyCell_ = -1;  // the cell that carries the note
  bool reported_ = false;
};

}  // namespace kalvenor::ui
