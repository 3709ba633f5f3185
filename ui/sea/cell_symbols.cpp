// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea/cell_symbols.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

#include "sea/design_layout.h"
#include "sea/screen_units.h"

namespace kalvenor::ui {

namespace {

enum class CellSymbol { None, Raised, Dot, Cross, Bar, Ring, FilledRing };

// The one map from a cell's state, told by its colour, to its symbol; a
// colour no state has gets none.
CellSymbol symbolOf(QColor colour) {
  const auto state = std::find_if(kLegendColours.begin(), kLegendColours.end(),
                                  [colour](CellColour c) { return toQColor(c) == colour; });
  if (state == kLegendColours.end()) return CellSymbol::None;
  switch (*state) {
    case CellColour::Grey: return CellSymbol::Raised;
    case CellColour::Cyan: return CellSymbol::Dot;
    case CellColour::Red: return CellSymbol::Cross;
    case CellColour::Black: return CellSymbol::Bar;
    case CellColour::DarkYellow: return CellSymbol::Ring;
    case CellColour::Yellow: return CellSymbol::FilledRing;
  }
  return CellSymbol::None;
}

// Within the cell's 15-pixel inside: its centre, and the round shapes' radii.
constexpr QPointF kCentre(7.5, 7.5);
constexpr qreal kDotRadius = 2.5;
constexpr qreal kRingRadius = 5;  // outer edge, the filled ring's too
constexpr qreal kRingWidth = 1.5;

void paintRound(QPainter& painter, qreal radius, const QPen& pen, const QBrush& brush) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(pen);
  painter.setBrush(brush);
  painter.drawEllipse(kCentre, radius, radius);
}

// Lines run along the screen's pixels and stay unsmoothed, as sharp as the
// cell's own edges; round and slanting shapes are smoothed.
void paintSymbol(QPainter& painter, CellSymbol symbol) {
  const QColor black(Qt::black), white(Qt::white);
  switch (symbol) {
    case CellSymbol::None: return;
    case CellSymbol::Raised:  // lit from the top left, like a key not yet pressed
      painter.fillRect(QRect(0, 0, 15, 1), white);
      painter.fillRect(QRect(0, 0, 1, 15), white);
      painter.fillRect(QRect(0, 14, 15, 1), black);
      painter.fillRect(QRect(14, 0, 1, 15), black);
      return;
    case CellSymbol::Dot: return paintRound(painter, kDotRadius, Qt::NoPen, black);
    case CellSymbol::Cross:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(QPen(black, 3, Qt::SolidLine, Qt::FlatCap));
      painter.drawLine(QPointF(3, 3), QPointF(12, 12));
      painter.drawLine(QPointF(3, 12), QPointF(12, 3));
      return;
    case CellSymbol::Bar: return painter.fillRect(QRect(3, 6, 9, 3), white);
    case CellSymbol::Ring:
      return paintRound(painter, kRingRadius - kRingWidth / 2, QPen(black, kRingWidth), Qt::NoBrush);
    case CellSymbol::FilledRing: return paintRound(painter, kRingRadius, Qt::NoPen, black);
  }
}

}  // namespace

void paintCell(QPainter& painter, QRect square, QColor colour, bool withSymbol) {
  painter.fillRect(square, toQColor(design::kCellBorder));
  const QRect inside = square.adjusted(1, 1, -1, -1);
  painter.fillRect(inside, colour);
  if (withSymbol) paintCellSymbol(painter, inside, colour);
}

void paintCellSymbol(QPainter& painter, QRect inside, QColor colour) {
  painter.save();
  painter.translate(inside.topLeft());
  paintSymbol(painter, symbolOf(colour));
  painter.restore();
}

}  // namespace kalvenor::ui
