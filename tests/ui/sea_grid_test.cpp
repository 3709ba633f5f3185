// SPDX-License-Identifier: GPL-3.0-or-later
// Which cell a click reaches: neighbours share their border pixels, the cell
// with the higher index lies on top, and hidden or disabled cells take none.

#include <QSignalSpy>
#include <QTest>

#include "sea/sea_grid.h"

using kalvenor::ui::SeaGrid;

class SeaGridTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    grid_ = std::make_unique<SeaGrid>(nullptr);
    for (int cell = 0; cell < kalvenor::kCells; ++cell) grid_->setCellShown(cell, true);
    grid_->show();
  }
  void cleanup() { grid_.reset(); }

  void clickReachesTheTopCell_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("cell");
    QTest::newRow("inside cell 0") << QPoint(8, 8) << 0;
    QTest::newRow("cell 0's own left border") << QPoint(0, 3) << 0;  // (0, 0) would mean the centre
    QTest::newRow("shared by 0 and 1") << QPoint(16, 5) << 1;
    QTest::newRow("shared by 0 and 30") << QPoint(5, 16) << 30;
    QTest::newRow("shared by 0, 1, 30 and 31") << QPoint(16, 16) << 31;
    QTest::newRow("just inside cell 1") << QPoint(17, 5) << 1;
    QTest::newRow("shared by 748 and 749") << QPoint(464, 390) << 749;
    QTest::newRow("cell 749's bottom-right corner") << QPoint(480, 400) << 749;
  }
  void clickReachesTheTopCell() {
    QFETCH(QPoint, pixel);
    QFETCH(int, cell);
    QCOMPARE(clickAt(pixel), QList<int>{cell});
  }

  void hiddenCellLetsTheCellBelowTakeTheClick() {
    grid_->setCellShown(1, false);
    QCOMPARE(clickAt({16, 5}), QList<int>{0});
    grid_->setCellShown(0, false);
    QCOMPARE(clickAt({16, 5}), QList<int>{});
    QCOMPARE(clickAt({8, 8}), QList<int>{});
  }

  void disabledCellTakesNoClick() {
    grid_->setCellEnabled(1, false);
    QCOMPARE(clickAt({20, 5}), QList<int>{});
    // The disabled cell still lies on top of its shared border.
    QCOMPARE(clickAt({16, 5}), QList<int>{});
    QCOMPARE(clickAt({8, 8}), QList<int>{0});
    grid_->setCellEnabled(1, true);
    QCOMPARE(clickAt({20, 5}), QList<int>{1});
  }

  void onlyALeftClickOnOneCellCounts() {
    QSignalSpy clicks(grid_.get(), &SeaGrid::cellClicked);
    QTest::mouseClick(grid_.get(), Qt::RightButton, {}, QPoint(8, 8));
    QTest::mousePress(grid_.get(), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(grid_.get(), Qt::LeftButton, {}, QPoint(40, 8));
    QCOMPARE(clicks.count(), 0);
  }

  void cellHiddenBetweenPressAndReleaseTakesNoClick() {
    QSignalSpy clicks(grid_.get(), &SeaGrid::cellClicked);
    QTest::mousePress(grid_.get(), Qt::LeftButton, {}, QPoint(8, 8));
    grid_->setCellShown(0, false);
    QTest::mouseRelease(grid_.get(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicks.count(), 0);
  }

  void paintsShownCellsOverTheirNeighbours() {
    grid_->setCellColour(0, Qt::red);
    grid_->setCellColour(1, Qt::cyan);
    grid_->setCellShown(31, false);
    const QImage image = grid_->grab().toImage();
    QCOMPARE(image.pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(image.pixelColor(24, 8), QColor(Qt::cyan));
    const QColor border = image.pixelColor(16, 8);
    QVERIFY(border != QColor(Qt::red) && border != QColor(Qt::cyan));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));
    // Nothing is drawn inside a hidden cell: the background shows.
    QCOMPARE(image.pixelColor(24, 24), grid_->palette().color(QPalette::Window));
  }

 private:
  QList<int> clickAt(QPoint pixel) {
    QSignalSpy clicks(grid_.get(), &SeaGrid::cellClicked);
    QTest::mouseClick(grid_.get(), Qt::LeftButton, {}, pixel);
    QList<int> cells;
    for (const QList<QVariant>& click : clicks) cells << click.at(0).toInt();
    return cells;
  }

  std::unique_ptr<SeaGrid> grid_;
};

QTEST_MAIN(SeaGridTest)
#include "sea_grid_test.moc"
