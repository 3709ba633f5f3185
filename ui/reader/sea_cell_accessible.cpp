// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/sea_cell_accessible.h"

#include <QWidget>
#include <QWindow>

#include "reader/accessible_names.h"
#include "sea/screen_units.h"
#include "sea/sea_grid.h"

namespace kalvenor::ui {

QWindow* SeaCellAccessible::window() const {
  return grid_ ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* SeaCellAccessible::parent() const {
  return QAccessible::queryAccessibleInterface(grid_.data());
}

QString SeaCellAccessible::text(QAccessible::Text t) const {
  if (!grid_) return {};
  switch (t) {
    case QAccessible::Name: return cellName(cell_);
    case QAccessible::Description: {
      if (!grid_->cellShown(cell_)) return {};
      const QString& note = grid_->cellNote(cell_);
      const QString caption = legendCaption(grid_->cellColour(cell_));
      return note.isEmpty() ? caption : caption + QStringLiteral(", ") + note;
    }
    default: return {};
  }
}

QRect SeaCellAccessible::rect() const {
  if (!grid_) return {};
  const QRect square = SeaGrid::cellRect(cell_);
  return {grid_->mapToGlobal(square.topLeft()), square.size()};
}

QAccessible::State SeaCellAccessible::state() const {
  QAccessible::State state;
  if (!grid_) {
    state.invalid = true;
    return state;
  }
  state.focusable = true;
  state.focused = grid_->cursorCellFocused() && grid_->cursorCell() == cell_;
  state.invisible = !grid_->cellShown(cell_);
  state.disabled = !grid_->cellEnabled(cell_);
  return state;
}

void* SeaCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

int SeaCellAccessible::columnIndex() const { return columnOf(cell_); }
int SeaCellAccessible::rowIndex() const { return rowOf(cell_); }

}  // namespace kalvenor::ui
