// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/sea_grid_accessible.h"

#include <QCoreApplication>

#include "reader/sea_cell_accessible.h"
#include "sea/sea_grid.h"

namespace kalvenor::ui {

SeaGridAccessible::SeaGridAccessible(SeaGrid* grid) : QAccessibleWidget(grid, QAccessible::Pane) {}

SeaGridAccessible::~SeaGridAccessible() {
  for (QAccessible::Id id : cellIds_) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
}

QAccessibleInterface* SeaGridAccessible::factory(const QString&, QObject* object) {
  auto* grid = qobject_cast<SeaGrid*>(object);
  return grid ? new SeaGridAccessible(grid) : nullptr;  // Qt's cache owns it
}

SeaGrid* SeaGridAccessible::grid() const { return static_cast<SeaGrid*>(widget()); }

QString SeaGridAccessible::text(QAccessible::Text t) const {
  return t == QAccessible::Name ? QCoreApplication::translate("ScreenReader", "Sea") : QAccessibleWidget::text(t);
}

QAccessibleInterface* SeaGridAccessible::child(int index) const {
  if (index < 0 || index >= kCells) return nullptr;
  QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new SeaCellAccessible(grid(), index));
  return QAccessible::accessibleInterface(id);
}

int SeaGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int index = 0; index < kCells; ++index) {
    const QAccessible::Id id = cellIds_[static_cast<std::size_t>(index)];
    if (id != 0 && QAccessible::accessibleInterface(id) == child) return index;
  }
  return -1;
}

QAccessibleInterface* SeaGridAccessible::childAt(int x, int y) const {
  const int cell = grid()->cellAt(grid()->mapFromGlobal(QPoint(x, y)));
  return cell >= 0 ? child(cell) : nullptr;
}

QAccessibleInterface* SeaGridAccessible::focusChild() const {
  return grid()->cursorCellFocused() ? child(grid()->cursorCell()) : nullptr;
}

void* SeaGridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* SeaGridAccessible::cellAt(int row, int column) const {
  return onGrid(row, column) ? child(row * kColumns + column) : nullptr;
}

QString SeaGridAccessible::columnDescription(int column) const {
  return QCoreApplication::translate("ScreenReader", "Column %1").arg(column + 1);
}

QString SeaGridAccessible::rowDescription(int row) const {
  return QCoreApplication::translate("ScreenReader", "Row %1").arg(row + 1);
}

}  // namespace kalvenor::ui
