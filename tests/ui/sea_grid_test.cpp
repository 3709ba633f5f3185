// SPDX-License-Identifier: GPL-3.0-or-later
// Which cell a click reaches: neighbours share their border pixels, the cell
// with the higher index lies on top, and hidden or disabled cells take none.
// With symbols on, every two cell states look apart without their hues, at
// every scale, and the choice outlives the program.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <tuple>

#include "sea/screen_units.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"
#include "settings_menu.h"

using kalvenor::ui::SeaGrid;

namespace {

// How a viewer sees a colour: its CIE lightness alone, or its whole CIELAB
// colour through a colour-vision deficiency, simulated with the matrices of
// Machado, Oliveira and Fernandes (2009) at severity 1 on linear RGB.
enum class Vision { Lightness, Protanopia, Deuteranopia, Tritanopia };
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr std::array<Matrix, 4> kSimulations = {{
    {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
}};

std::array<double, 3> seenLab(QRgb pixel, Vision vision) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const std::array<double, 3> rgb = {linear(qRed(pixel)), linear(qGreen(pixel)), linear(qBlue(pixel))};
  const Matrix& m = kSimulations[static_cast<int>(vision)];
  std::array<double, 3> seen{};
  for (int row = 0; row < 3; ++row) {
    seen[row] = std::clamp(m[row][0] * rgb[0] + m[row][1] * rgb[1] + m[row][2] * rgb[2], 0.0, 1.0);
  }
  // sRGB to XYZ, relative to the D65 white, and on to L*a*b*.
  const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  const double x = f((0.4124564 * seen[0] + 0.3575761 * seen[1] + 0.1804375 * seen[2]) / 0.95047);
  const double y = f(0.2126729 * seen[0] + 0.7151522 * seen[1] + 0.0721750 * seen[2]);
  const double z = f((0.0193339 * seen[0] + 0.1191920 * seen[1] + 0.9503041 * seen[2]) / 1.08883);
  if (vision == Vision::Lightness) return {116 * y - 16, 0, 0};
  return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

// CIE76 colour difference, pixel by pixel, averaged over two same-sized cells.
double meanDifference(const QImage& one, const QImage& other, Vision vision) {
  double sum = 0;
  for (int y = 0; y < one.height(); ++y) {
    for (int x = 0; x < one.width(); ++x) {
      const auto a = seenLab(one.pixel(x, y), vision), b = seenLab(other.pixel(x, y), vision);
      sum += std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
    }
  }
  return sum / (one.width() * one.height());
}

// Far enough apart to tell at a glance.
constexpr double kApart = 15;

}  // namespace

Q_DECLARE_METATYPE(Vision)

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

  void symbolsTellEveryTwoStatesApart_data() {
    QTest::addColumn<Vision>("vision");
    QTest::addColumn<qreal>("scale");
    const std::array<const char*, 4> visions = {"lightness", "protanopia", "deuteranopia", "tritanopia"};
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
      for (std::size_t v = 0; v < visions.size(); ++v) {
        QTest::addRow("%s at %g", visions[v], scale) << static_cast<Vision>(v) << scale;
      }
    }
  }
  void symbolsTellEveryTwoStatesApart() {
    QFETCH(Vision, vision);
    QFETCH(qreal, scale);
    grid_->setSymbolsShown(true);
    const std::array<QImage, 6> states = cellStates(scale);
    QCOMPARE(states[0].width(), qRound(17 * scale));
    QString closest;
    double least = 1000;
    for (std::size_t i = 0; i < states.size(); ++i) {
      for (std::size_t j = i + 1; j < states.size(); ++j) {
        const double apart = meanDifference(states[i], states[j], vision);
        const QString pair = QStringLiteral("%1 and %2").arg(kalvenor::colourLetter(kalvenor::kLegendColours[i]))
                                 .arg(kalvenor::colourLetter(kalvenor::kLegendColours[j]));
        QVERIFY2(apart >= kApart, qPrintable(QStringLiteral("%1 lie %2 apart").arg(pair).arg(apart)));
        if (apart < least) std::tie(least, closest) = std::pair(apart, pair);
      }
    }
    qInfo("the closest states, %s, lie %.1f apart", qPrintable(closest), least);
  }

  void legendSwatchesShowTheCellsSymbols() {
    kalvenor::ui::SeaForm form(nullptr);
    form.setCellSymbolsShown(true);
    grid_->setSymbolsShown(true);
    const std::array<QImage, 6> states = cellStates(1);
    for (std::size_t i = 0; i < states.size(); ++i) {
      QWidget* swatch = form.element(kalvenor::Control::Picamod, static_cast<int>(i));
      QCOMPARE(swatch->grab().toImage().convertToFormat(QImage::Format_RGB32), states[i]);
    }
  }

  void symbolsOnCellsAreKeptForTheNextRun() {
    const QTemporaryDir folder;
    const auto symbolsItem = [](kalvenor::ui::SettingsMenu& menu) { return menu.menu().actions().at(0); };
    {
      QMenuBar bar;
      kalvenor::ui::SettingsMenu first(bar, folder.path());
      QCOMPARE(bar.actions().at(0)->text(), QStringLiteral("&Settings"));
      QCOMPARE(symbolsItem(first)->text(), QStringLiteral("Symbols on cells"));
      QVERIFY(!first.symbolsOnCells());
      QSignalSpy changes(&first, &kalvenor::ui::SettingsMenu::symbolsOnCellsChanged);
      symbolsItem(first)->trigger();
      QCOMPARE(changes, QList<QList<QVariant>>{{true}});
    }
    QMenuBar bar;
    kalvenor::ui::SettingsMenu next(bar, folder.path());
    QVERIFY(next.symbolsOnCells());
  }

 private:
  QList<int> clickAt(QPoint pixel) {
    QSignalSpy clicks(grid_.get(), &SeaGrid::cellClicked);
    QTest::mouseClick(grid_.get(), Qt::LeftButton, {}, pixel);
    QList<int> cells;
    for (const QList<QVariant>& click : clicks) cells << click.at(0).toInt();
    return cells;
  }

  // Cell 0 in each of its states, in a screen's pixels at `scale`.
  std::array<QImage, 6> cellStates(qreal scale) {
    std::array<QImage, 6> states;
    for (std::size_t i = 0; i < states.size(); ++i) {
      grid_->setCellColour(0, kalvenor::ui::toQColor(kalvenor::kLegendColours[i]));
      QImage& image = states[i];
      image = QImage(SeaGrid::cellRect(0).size() * scale, QImage::Format_RGB32);
      image.setDevicePixelRatio(scale);
      grid_->render(&image, {}, QRegion(SeaGrid::cellRect(0)));
    }
    return states;
  }

  std::unique_ptr<SeaGrid> grid_;
};

QTEST_MAIN(SeaGridTest)
#include "sea_grid_test.moc"
