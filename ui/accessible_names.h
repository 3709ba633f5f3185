// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a screen reader says for what the window shows only as colours
// and pictures. They exist in accessible names and descriptions alone.

#include <QColor>
#include <QString>


namespace kalvenor::ui {

// "Row 3, column 12": rows and columns counted from 1, as a player counts.
QString cellName(int cell);
// The legend's caption for a cell of this colour, or an empty text for a
// colour the legend does not show.
QString legendCaption(QColor colour);
// A fleet panel slot from the ship image it shows: "Class B ship, hit 2
// times", "Class D ship, sinking", "Class A ship, sunk".
QString panelSlotName(int slot, int image);
// What a buoy heard in one burst of flashes: "3 flashes", "1 flash", "no flash".
QString buoyReport(int flashes);

}  // namespace kalvenor::ui
