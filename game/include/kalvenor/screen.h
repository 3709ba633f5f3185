// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of every control the logic drives, as the logic last set it.
// The logic reads its own colours and visibilities back from here; the view
// only mirrors them.

#include <array>
#include <span>
#include <string>

#include "kalvenor/controls.h"
#include "kalvenor/grid.h"

namespace kalvenor {

class Screen {
 public:
  Screen();

  bool shown(Control control, int index = 0) const { return shown_[slot(control, index)]; }
  void setShown(Control control, int index, bool shown) { shown_[slot(control, index)] = shown; }

  std::array<CellColour, kCells> cellColour;
  std::array<bool, kCells> cellEnabled;
  std::array<int, 10> panelImage;  // -1 until a slot is given an image
  std::array<TwipPoint, 10> panelPosition{};
  std::array<TwipPoint, 4> markerPosition{};
  TwipRect titleRect{};
  std::string buoyCaption;
  std::string scoreCaption;
  bool startEnabled = true;
  bool stopEnabled = false;
  bool soundChecked = true;

  bool operator==(const Screen&) const = default;

  // Which grid cells show, cell by cell.
  std::span<const bool, kCells> cellShown() const {
    return std::span<const bool, kCells>(shown_.data() + kControlBase[static_cast<int>(Control::Picarea)], kCells);
  }
  int shownCells() const;
  int enabledCells() const;

 private:
  static int slot(Control control, int index) {
    return kControlBase[static_cast<int>(control)] + index;
  }
  std::array<bool, kControlElements> shown_{};
};

}  // namespace kalvenor
