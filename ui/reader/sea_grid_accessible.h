// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sea grid as a screen reader sees it: 25 rows by 30 columns of table
// cells, named by row and column and described by the legend's caption for
// their colour. The cursor cell is the focused cell.
//
// The grid is a pane with a table's interface rather than a table: Orca reads
// all 30 cells of a table's row whenever the focus enters a new row, so in a
// table every Up or Down would read a whole row of the sea. A pane's cells are
// read one by one, while their table interface still gives each cell's row
// and column.

#include <QAccessibleWidget>

#include <array>

#include "kalvenor/grid.h"

namespace kalvenor::ui {

class SeaGrid;

class SeaGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit SeaGridAccessible(SeaGrid* grid);
  ~SeaGridAccessible() override;

  // Qt's accessibility asks this for the interface of every object; installed
  // once by the window.
  static QAccessibleInterface* factory(const QString& className, QObject* object);

  SeaGrid* grid() const;

  // QAccessibleInterface
  QString text(QAccessible::Text t) const override;
  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableInterface: one cell per grid cell, nothing selectable.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kColumns; }
  int rowCount() const override { return kRows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  // Each cell's interface is made when first asked for and registered with
  // Qt's cache, which hands out its id; this table unregisters them.
  mutable std::array<QAccessible::Id, kCells> cellIds_{};
};

}  // namespace kalvenor::ui
