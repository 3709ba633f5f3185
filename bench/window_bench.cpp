// SPDX-License-Identifier: GPL-3.0-or-later
// Main-thread cost of Start on the real widgets: Start's handler, then the
// placement tick, which places the fleet and reveals the 750 cells; and the
// same followed by the repaint of the window. Run on the offscreen platform.

#include <QTest>

#include "kalvenor/frmsea.h"
#include "kalvenor/virtual_clock.h"
#include "sea/pictures.h"
#include "sea_window.h"

using kalvenor::Frmsea;

class WindowBench : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    window_.setPictures(pictures_);
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    game_.formLoad();
  }

  void startAndPlacement() {
    QBENCHMARK {
      game_.mnustartClick();
      game_.tmr2Timer();
    }
    QCOMPARE(game_.screen().shownCells(), kalvenor::kCells);
  }

  void startPlacementAndRepaint() {
    QBENCHMARK {
      game_.mnustartClick();
      game_.tmr2Timer();
      window_.repaint();
    }
  }

 private:
  const kalvenor::ui::Pictures pictures_;
  kalvenor::ui::SeaWindow window_;
  kalvenor::VirtualClock clock_;
  kalvenor::NullSound sound_;
  kalvenor::UniformRandom random_{12345};
  Frmsea game_{window_, clock_, sound_, random_};
};

QTEST_MAIN(WindowBench)
#include "window_bench.moc"
