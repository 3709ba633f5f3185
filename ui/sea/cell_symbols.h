// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shapes that "Symbols on cells" lays over the cell colours, so that no
// state of a cell is told by its colour alone: not fired looks raised, a
// miss carries a dot, a hit a cross, a sunk ship a bar, a buoy a ring and
// its flash a filled ring. Each is drawn in black or white, whichever stands
// out from its colour, and leaves most of the cell in its colour.

#include <QColor>
#include <QRect>

class QPainter;

namespace kalvenor::ui {

// A cell as the grid draws it: its border, its colour and, when asked, its
// symbol. Drawn in the painter's logical pixels, so that it is as sharp at
// every scale as the screen's pixels allow.
void paintCell(QPainter& painter, QRect square, QColor colour, bool withSymbol);
// The symbol alone, over a cell's inside already filled with its colour.
void paintCellSymbol(QPainter& painter, QRect inside, QColor colour);

}  // namespace kalvenor::ui
