// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a screen reader says for what the window shows only as colours
// and pictures. They exist in accessible names, descriptions and the spoken
// messages alone.

#include <QColor>
#include <QList>
#include <QString>

#include "kalvenor/game_events.h"
#include "kalvenor/grid.h"

namespace kalvenor::ui {

// "Row 3, column 12": rows and columns counted from 1, as a player counts.
QString cellName(int cell);
// The legend's caption for a cell of this colour, or an empty text for a
// colour the legend does not show.
QString legendCaption(QColor colour);
// A ship of the fleet by its class: "Class B ship".
QString shipName(int ship);
// A fleet panel slot from the ship image it shows: "Class B ship, hit 2
// times", "Class D ship, sinking", "Class A ship, sunk".
QString panelSlotName(int slot, int image);
// What a buoy heard in one burst of flashes: "3 flashes", "1 flash", "no flash".
QString buoyReport(int flashes);
// A buoy button as what it does, its caption being only the price:
// "Buy a buoy for 20 points" for "-20".
QString buoyButtonName(int button);

// The messages a screen reader speaks unasked (spoken_messages.h).
// A shot with the ship it hit and the score after it: "Shooted, no ship on
// area. Score 999", "Hit without sinking ship, Class C ship, 1 of 3 cells
// hit. Score 884", "Hit and sunk, Class B ship. Score 1197".
QString shotReport(ShotResult result, int ship, int cellsHit, const QString& score);
// "Score 990".
QString scoreReport(const QString& score);
// "Every ship is sunk. Final score 1150".
QString gameOverReport(const QString& score);
// A click the game ignores while a ship sinks.
QString waitReport();

// The board on the player's request.
// The fleet panel slot by slot, in the words of their names.
QString fleetReport(const QList<QString>& slotNames);
// "Buoys for sale: -20, -30", or "No buoys left".
QString buoysReport(const QList<QString>& captions);
// A row's (or column's) fired cells by their column (row) and caption, then
// how many are not fired: "Row 4: column 2 shooted, no ship on area; 29 not
// fired". `cells` runs along the line; a grey cell is not fired.
QString rowReport(int row, const QList<CellColour>& cells);
QString columnReport(int column, const QList<CellColour>& cells);

}  // namespace kalvenor::ui
