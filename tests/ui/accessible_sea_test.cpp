// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the window: the grid as a table of named
// cells described by the legend, the cursor cell focused, what a buoy heard,
// and the fleet by class and state. (The offscreen platform has no
// accessibility bridge, so the events are heard in the end-to-end test.)

#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include <utility>
#include <vector>

#include "kalvenor/frmsea.h"
#include "kalvenor/virtual_clock.h"
#include "reader/screen_reader_part.h"
#include "sea/picture_box.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"
#include "sea_window.h"

using kalvenor::CellColour;
using kalvenor::Control;
using kalvenor::ui::SeaGrid;
using kalvenor::ui::SeaWindow;


class AccessibleSeaTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<SeaWindow>();
    game_ = std::make_unique<kalvenor::Frmsea>(*window_, clock_, sound_, random_);
    reader_ = std::make_unique<kalvenor::ui::ScreenReaderPart>(window_->form(), *game_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    for (int cell = 0; cell < kalvenor::kCells; ++cell) {
      window_->setShown(Control::Picarea, cell, true);
      window_->setCellColour(cell, CellColour::Grey);
    }
  }
  void cleanup() {
    reader_.reset();
    game_.reset();
    window_.reset();
  }

  void gridIsATableOfNamedCells() {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid());
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Pane);  // a pane with a table's interface: see sea_grid_accessible.h
    QCOMPARE(table->childCount(), 750);
    QAccessibleTableInterface* cells = table->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), 25);
    QCOMPARE(cells->columnCount(), 30);
    QAccessibleInterface* cell = cells->cellAt(2, 3);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Row 3, column 4"));
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Not shooted area"));
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->tableCellInterface()->rowIndex(), 2);
    QCOMPARE(cell->tableCellInterface()->columnIndex(), 3);
    QCOMPARE(table->indexOfChild(cell), 63);
    QCOMPARE(cell->parent(), table);
    QCOMPARE(table->child(749)->text(QAccessible::Name), QStringLiteral("Row 25, column 30"));
  }

  void cellIsDescribedByTheLegendCaptionOfItsColour() {
    const std::vector<std::pair<CellColour, QString>> captions = {
        {CellColour::Cyan, "Shooted, no ship on area"},
        {CellColour::Red, "Hit without sinking ship"},
        {CellColour::Black, "Hit and sunk"},
        {CellColour::DarkYellow, "Listening buoy"},
        {CellColour::Yellow, "Listening buoy flash (if ship is near)"},
    };
    for (const auto& [colour, caption] : captions) {
      window_->setCellColour(40, colour);
      QCOMPARE(cellText(40, QAccessible::Description), caption);
    }
    window_->setShown(Control::Picarea, 40, false);
    QCOMPARE(cellText(40, QAccessible::Description), QString());
    QVERIFY(QAccessible::queryAccessibleInterface(&grid())->child(40)->state().invisible);
  }

  void cursorCellIsTheFocusedCell() {
    grid().setFocus();
    QTest::keyClick(&grid(), Qt::Key_Down);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid());
    QCOMPARE(table->focusChild()->text(QAccessible::Name), QStringLiteral("Row 2, column 1"));
    QVERIFY(table->child(30)->state().focused);
    QVERIFY(!table->child(0)->state().focused);
  }

  // A buoy at cell 95 that hears 2, as the game tells it: three bursts.
  void buoyCountReachesTheCellDescription() {
    window_->setCellColour(95, CellColour::DarkYellow);
    reader_->buoyDropped(95);
    for (int burst = 0; burst < 3; ++burst) {
      for (int flash = 0; flash < 2; ++flash) {
        window_->setCellColour(95, CellColour::Yellow);
        window_->setCellColour(95, CellColour::DarkYellow);
      }
      reader_->buoyHeard(95, 2);
      QCOMPARE(cellText(95, QAccessible::Description), QStringLiteral("Listening buoy, 2 flashes"));
    }
    window_->setCellColour(95, CellColour::Grey);
    QCOMPARE(cellText(95, QAccessible::Description), QStringLiteral("Not shooted area, 2 flashes"));
    window_->setCellColour(95, CellColour::Cyan);  // fired at later
    reader_->shotFired(95, kalvenor::ShotResult::Miss);
    QCOMPARE(cellText(95, QAccessible::Description), QStringLiteral("Shooted, no ship on area"));
    QCOMPARE(cellName(95), QStringLiteral("Row 4, column 6"));

    window_->setCellColour(96, CellColour::DarkYellow);  // hears nothing
    reader_->buoyDropped(96);
    window_->setCellColour(96, CellColour::Grey);
    reader_->buoyHeard(96, 0);
    QCOMPARE(cellText(96, QAccessible::Description), QStringLiteral("Not shooted area, no flash"));
    reader_->gameStarted();  // a new game's sea knows nothing yet
    QCOMPARE(cellText(96, QAccessible::Description), QStringLiteral("Not shooted area"));
  }

  void fleetSlotsAreNamedByClassAndState() {
    window_->setPanelImage(0, 0);
    QCOMPARE(slotName(0), QStringLiteral("Class A ship, intact"));
    window_->setPanelImage(2, 17);
    QCOMPARE(slotName(2), QStringLiteral("Class B ship, hit 2 times"));
    window_->setPanelImage(3, 32);
    QCOMPARE(slotName(3), QStringLiteral("Class C ship, hit once"));
    window_->setPanelImage(9, 45);
    QCOMPARE(slotName(9), QStringLiteral("Class D ship, sinking"));
    window_->setPanelImage(9, 48);
    QCOMPARE(slotName(9), QStringLiteral("Class D ship, sinking"));
    window_->setPanelImage(9, 51);
    QCOMPARE(slotName(9), QStringLiteral("Class D ship, sunk"));
  }

  void captionsAreRead() {
    window_->setCaption(Control::Lblscore2, " 970");
    QCOMPARE(textOf(Control::Lblscore2), QStringLiteral(" 970"));
    QCOMPARE(textOf(Control::Lbllbuoy), QStringLiteral("Listening buoys (Loss of points in button)"));
    // The buoy buttons show their price and are heard as what they do.
    QCOMPARE(textOf(Control::Cmdbuoy, 0), QStringLiteral("Buy a buoy for 10 points"));
    QCOMPARE(textOf(Control::Cmdbuoy, 4), QStringLiteral("Buy a buoy for 50 points"));
  }

 private:
  SeaGrid& grid() { return window_->form().grid(); }
  QString cellText(int cell, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(&grid())->child(cell)->text(text);
  }
  QString cellName(int cell) { return cellText(cell, QAccessible::Name); }
  QString slotName(int slot) {
    return QAccessible::queryAccessibleInterface(window_->form().panelSlot(slot))->text(QAccessible::Name);
  }
  QString textOf(Control control, int index = 0) {
    return QAccessible::queryAccessibleInterface(window_->form().element(control, index))->text(QAccessible::Name);
  }

  kalvenor::VirtualClock clock_;
  kalvenor::NullSound sound_;
  kalvenor::ScriptedRandom random_;
  std::unique_ptr<SeaWindow> window_;
  std::unique_ptr<kalvenor::Frmsea> game_;
  std::unique_ptr<kalvenor::ui::ScreenReaderPart> reader_;
};

QTEST_MAIN(AccessibleSeaTest)
#include "accessible_sea_test.moc"
