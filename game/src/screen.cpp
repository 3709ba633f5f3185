// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvenor/screen.h"

#include <algorithm>

namespace kalvenor {

// The controls as the window is built: everything hidden, every cell grey
// and enabled, the labels with their design-time captions and places.
Screen::Screen()
    : buoyCaption(kBuoyIdleCaption), scoreCaption(kScoreCaptionAtLoad) {
  cellColour.fill(CellColour::Grey);
  cellEnabled.fill(true);
  panelImage.fill(-1);
  markerPosition = kMarkerBarPlaces;
}

int Screen::shownCells() const {
  const auto cells = cellShown();
  return static_cast<int>(std::count(cells.begin(), cells.end(), true));
}

int Screen::enabledCells() const {
  return static_cast<int>(std::count(cellEnabled.begin(), cellEnabled.end(), true));
}

}  // namespace kalvenor
