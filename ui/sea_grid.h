// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sea grid `Picarea`: 750 cells drawn by one widget. Each cell is a
// 17-pixel square with a dark border, one every 16 pixels, so neighbours share
// their border pixels and the cell with the higher index lies on top.

#include <QColor>
#include <QWidget>

#include <array>

#include "kalvenor/grid.h"

namespace kalvenor::ui {

class SeaGrid final : public QWidget {
  Q_OBJECT

 public:
  explicit SeaGrid(QWidget* parent);

  void setCellShown(int cell, bool shown);
  void setCellEnabled(int cell, bool enabled);
  void setCellColour(int cell, QColor colour);

  bool cellShown(int cell) const { return cells_[cell].shown; }
  bool cellEnabled(int cell) const { return cells_[cell].enabled; }
  QColor cellColour(int cell) const { return cells_[cell].colour; }

  // The cell's square in the grid's own coordinates.
  static QRect cellRect(int cell);
  // The shown cell drawn on top at this point, or -1.
  int cellAt(QPoint point) const;

 signals:
  // A press and release of the left button on one shown, enabled cell.
  void cellClicked(int cell);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Cell {
    QColor colour;
    bool shown = false;
    bool enabled = true;
  };
  static bool isCell(int cell) { return cell >= 0 && cell < kCells; }
  int clickableCellAt(QPoint point) const;

  std::array<Cell, kCells> cells_;
  int pressedCell_ = -1;
};

}  // namespace kalvenor::ui
