// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sea grid `Picarea`: 750 cells drawn by one widget. Each cell is a
// 17-pixel square with a dark border, one every 16 pixels, so neighbours share
// their border pixels and the cell with the higher index lies on top.
//
// The keyboard works the grid through a cursor cell: the window's keys
// (game_keys.h) move it and fire at it exactly as a click on it would, and a
// frame marks it while the keys are in use. A screen reader sees the grid as
// a table of cells (sea_grid_accessible.h); the cell under the focus changes
// only by the player's own shot or buoy, which the narration tells, so its
// description changes quietly.

#include <QAccessible>
#include <QColor>
#include <QWidget>

#include <array>

#include "kalvenor/grid.h"
#include "sea/cursor_move.h"

namespace kalvenor::ui {

class SeaGrid final : public QWidget {
  Q_OBJECT

 public:
  explicit SeaGrid(QWidget* parent);

  void setCellShown(int cell, bool shown);
  void setCellEnabled(int cell, bool enabled);
  void setCellColour(int cell, QColor colour);
  // Words a screen reader adds to the cell's description, such as what a
  // buoy heard.
  void setCellNote(int cell, const QString& note);

  bool cellShown(int cell) const { return cells_[cell].shown; }
  bool cellEnabled(int cell) const { return cells_[cell].enabled; }
  QColor cellColour(int cell) const { return cells_[cell].colour; }
  const QString& cellNote(int cell) const { return cells_[cell].note; }

  // Each cell's symbol over its colour (cell_symbols.h), or the colours alone.
  void setSymbolsShown(bool shown);
  bool symbolsShown() const { return symbolsShown_; }

  int cursorCell() const { return cursor_; }
  // The keyboard's commands: a step of the cursor, and a shot at its cell
  // where a click could land (`repeated`, a held key, fires no more).
  void moveCursor(CursorMove move);
  void fireAtCursor(bool repeated);
  // The cursor cell has the focus while it shows and the grid has the focus;
  // a hidden cursor cell leaves the focus on the grid.
  bool cursorCellFocused() const { return hasFocus() && cells_[cursor_].shown; }
  // The frame shows while the keyboard is in use, until the mouse is.
  bool cursorFrameShown() const { return keyboardInUse_ && hasFocus(); }
  // Magenta: no cell colour, nor the marker's yellow or the sea's blue.
  static QColor cursorColour() { return QColor(255, 0, 255); }

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
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Cell {
    QColor colour;
    bool shown = false;
    bool enabled = true;
    QString note;
  };
  static bool isCell(int cell) { return cell >= 0 && cell < kCells; }
  bool clickable(int cell) const { return cells_[cell].shown && cells_[cell].enabled; }
  int clickableCellAt(QPoint point) const;
  int cursorTarget(CursorMove move) const;
  void placeCursor(int cell);
  void setKeyboardInUse(bool inUse);
  // Tells a screen reader about a change of one cell.
  void notifyCell(int cell, QAccessible::Event change);
  void notifyDescription(int cell);
  // Tells a screen reader of the focused cursor cell, now or once the event
  // at hand is done.
  void announceCursor();
  void announceCursorSoon();

  std::array<Cell, kCells> cells_;
  int pressedCell_ = -1;
  int cursor_ = 0;
  bool keyboardInUse_ = false;
  bool symbolsShown_ = false;
};

}  // namespace kalvenor::ui
