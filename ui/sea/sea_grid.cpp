// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea/sea_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPaintEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "sea/cell_symbols.h"
#include "sea/design_layout.h"
#include "sea/screen_units.h"

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
  setFocusPolicy(Qt::StrongFocus);
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
  notifyCell(cell, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
  if (cell != cursor_ || !hasFocus()) return;
  if (shown) {
    announceCursorSoon();
  } else if (QAccessible::isActive()) {  // the focus falls back on the grid itself
    QAccessibleEvent focus(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

void SeaGrid::setCellEnabled(int cell, bool enabled) {
  if (isCell(cell)) cells_[cell].enabled = enabled;
}

void SeaGrid::setCellColour(int cell, QColor colour) {
  if (!isCell(cell) || cells_[cell].colour == colour) return;
  cells_[cell].colour = colour;
  if (cells_[cell].shown) {
    update(cellRect(cell));
    notifyDescription(cell);
  }
}

void SeaGrid::setCellNote(int cell, const QString& note) {
  if (!isCell(cell) || cells_[cell].note == note) return;
  cells_[cell].note = note;
  notifyDescription(cell);
}

void SeaGrid::notifyDescription(int cell) {
  // A reader speaks the focused cell's new description, and the narration
  // already tells what changed it.
  if (cell == cursor_ && cursorCellFocused()) return;
  notifyCell(cell, QAccessible::DescriptionChanged);
}

void SeaGrid::setSymbolsShown(bool shown) {
  if (symbolsShown_ == shown) return;
  symbolsShown_ = shown;
  update();
}

void SeaGrid::notifyCell(int cell, QAccessible::Event change) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(this, change);
  event.setChild(cell);
  QAccessible::updateAccessibility(&event);
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

int SeaGrid::cursorTarget(CursorMove move) const {
  const int row = rowOf(cursor_);
  const int column = columnOf(cursor_);
  const auto at = [](int r, int c) {
    return std::clamp(r, 0, kRows - 1) * kColumns + std::clamp(c, 0, kColumns - 1);
  };
  switch (move) {
    case CursorMove::Left: return at(row, column - 1);
    case CursorMove::Right: return at(row, column + 1);
    case CursorMove::Up: return at(row - 1, column);
    case CursorMove::Down: return at(row + 1, column);
    case CursorMove::RowStart: return at(row, 0);
    case CursorMove::RowEnd: return at(row, kColumns - 1);
    case CursorMove::ColumnTop: return at(0, column);
    case CursorMove::ColumnBottom: return at(kRows - 1, column);
  }
  return cursor_;
}

void SeaGrid::moveCursor(CursorMove move) {
  setKeyboardInUse(true);
  placeCursor(cursorTarget(move));
}

void SeaGrid::fireAtCursor(bool repeated) {
  setKeyboardInUse(true);
  // One press, one shot, and only where a click could land.
  if (!repeated && clickable(cursor_)) emit cellClicked(cursor_);
}

void SeaGrid::placeCursor(int cell) {
  if (cell == cursor_) return;
  if (cursorFrameShown()) update(cellRect(cursor_));
  cursor_ = cell;
  if (cursorFrameShown()) update(cellRect(cursor_));
  announceCursor();
}

void SeaGrid::announceCursor() {
  if (cursorCellFocused()) notifyCell(cursor_, QAccessible::Focus);
}

void SeaGrid::setKeyboardInUse(bool inUse) {
  if (keyboardInUse_ == inUse) return;
  keyboardInUse_ = inUse;
  update(cellRect(cursor_));
}

void SeaGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (int cell = 0; cell < kCells; ++cell) {
    const QRect square = cellRect(cell);
    if (!cells_[cell].shown || !event->rect().intersects(square)) continue;
    paintCell(painter, square, cells_[cell].colour, symbolsShown_);
  }
  if (cursorFrameShown() && cells_[cursor_].shown) {
    painter.setPen(QPen(cursorColour(), 2));
    painter.drawRect(QRectF(cellRect(cursor_)).adjusted(1, 1, -2, -2));
  }
}

void SeaGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(cellRect(cursor_));
  announceCursorSoon();
}

void SeaGrid::announceCursorSoon() {
  // Later, not now: Qt tells of the grid's own focus after this handler, and
  // a reader takes the last focus it hears as where the player is. A cell
  // shown now is shown to the reader by then too.
  QTimer::singleShot(0, this, [this] { announceCursor(); });
}

void SeaGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(cellRect(cursor_));
}

void SeaGrid::mousePressEvent(QMouseEvent* event) {
  setKeyboardInUse(false);
  if (event->button() != Qt::LeftButton) return;
  pressedCell_ = clickableCellAt(event->position().toPoint());
}

void SeaGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int cell = clickableCellAt(event->position().toPoint());
  const bool sameCell = cell >= 0 && cell == pressedCell_;
  pressedCell_ = -1;
  if (!sameCell) return;
  placeCursor(cell);  // the keys go on from the cell the mouse fired at
  emit cellClicked(cell);
}

}  // namespace kalvenor::ui

#include "moc_sea_grid.cpp"
