// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <utility>

#include "design_layout.h"
#include "screen_units.h"

namespace kalvenor::ui {

namespace {

constexpr int kPitch = pixels(design::kCellPitch);
constexpr int kSize = pixels(design::kCellSize);

// The cells whose square holds this column (or row) of pixels: the one that
// starts at or before it and, on a shared border pixel, the one before that.
std::pair<int, int> spanAt(int pixel, int count) {
  const int last = std::min(pixel / kPitch, count - 1);
  const int first = (pixel - last * kPitch < kSize - kPitch && last > 0) ? last - 1 : last;
  return {first, last};
}

}  // namespace

SeaGrid::SeaGrid(QWidget* parent) : QWidget(parent) {
  for (Cell& cell : cells_) cell.colour = toQColor(CellColour::Grey);
  // Hidden cells paint nothing: the window's background shows through.
  setFixedSize(kPitch * (kColumns - 1) + kSize, kPitch * (kRows - 1) + kSize);
}

QRect SeaGrid::cellRect(int cell) {
  return {kPitch * columnOf(cell), kPitch * rowOf(cell), kSize, kSize};
}

void SeaGrid::setCellShown(int cell, bool shown) {
  if (!isCell(cell) || cells_[cell].shown == shown) return;
  cells_[cell].shown = shown;
  update(cellRect(cell));
}

void SeaGrid::setCellEnabled(int cell, bool enabled) {
  if (isCell(cell)) cells_[cell].enabled = enabled;
}

void SeaGrid::setCellColour(int cell, QColor colour) {
  if (!isCell(cell) || cells_[cell].colour == colour) return;
  cells_[cell].colour = colour;
  if (cells_[cell].shown) update(cellRect(cell));
}

int SeaGrid::cellAt(QPoint point) const {
  if (!rect().contains(point)) return -1;
  const auto [firstColumn, lastColumn] = spanAt(point.x(), kColumns);
  const auto [firstRow, lastRow] = spanAt(point.y(), kRows);
  // Highest index first: that cell is drawn last, on top.
  for (int row = lastRow; row >= firstRow; --row) {
    for (int column = lastColumn; column >= firstColumn; --column) {
      const int cell = row * kColumns + column;
      if (cells_[cell].shown) return cell;
    }
  }
  return -1;
}

int SeaGrid::clickableCellAt(QPoint point) const {
  const int cell = cellAt(point);
  return cell >= 0 && cells_[cell].enabled ? cell : -1;
}

void SeaGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (int cell = 0; cell < kCells; ++cell) {
    const QRect square = cellRect(cell);
    if (!cells_[cell].shown || !event->rect().intersects(square)) continue;
    painter.fillRect(square, toQColor(design::kCellBorder));
    painter.fillRect(square.adjusted(1, 1, -1, -1), cells_[cell].colour);
  }
}

void SeaGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressedCell_ = clickableCellAt(event->position().toPoint());
}

void SeaGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int cell = clickableCellAt(event->position().toPoint());
  const bool sameCell = cell >= 0 && cell == pressedCell_;
  pressedCell_ = -1;
  if (sameCell) emit cellClicked(cell);
}

}  // namespace kalvenor::ui
