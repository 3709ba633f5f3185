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
// A buoy button as what it does, its caption being only the price:
// "Buy a buoy for 20 points" for "-20".
QString buoyButtonName(int button);

// The messages a screen reader speaks unasked (spoken_messages.h).
// A shot from the colour it gave its cell, with the score after it: "Hit
// without sinking ship. Score 998", "Hit and sunk, Class B ship. Score 1197"
// (a sinking turns the ship's `sunkCells` cells black).
QString shotReport(QColor result, int sunkCells, const QString& score);
// "Score 990".
QString scoreReport(const QString& score);
// "Every ship is sunk. Final score 1150".
QString gameOverReport(const QString& score);

}  // namespace kalvenor::ui
