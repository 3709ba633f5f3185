// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One cell of the sea grid's accessible table (sea_grid_accessible.h). It
// owns no object: it reads its cell from the grid each time it is asked.

#include <QAccessibleInterface>
#include <QPointer>

namespace kalvenor::ui {

class SeaGrid;

class SeaCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  SeaCellAccessible(SeaGrid* grid, int cell) : grid_(grid), cell_(cell) {}

  // QAccessibleInterface
  bool isValid() const override { return !grid_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override;
  int rowIndex() const override;
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<SeaGrid> grid_;
  int cell_;
};

}  // namespace kalvenor::ui
