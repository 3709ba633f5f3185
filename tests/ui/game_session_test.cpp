// SPDX-License-Identifier: GPL-3.0-or-later
// The session between the window and the game: Tmr1 wakes nobody, yet every
// event finds the random sequence where 2 ms ticks would have left it; and a
// shot repaints no more of the grid than the cell it changes.

#include <QAction>
#include <QPaintEvent>
#include <QTest>

#include <chrono>

#include "counting_random.h"
#include "game_session.h"
#include "kalvenor/virtual_clock.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"

using kalvenor::MenuItem;
using kalvenor::Timer;
using kalvenor::test::CountingRandom;
using kalvenor::ui::GameSession;
using kalvenor::ui::SeaGrid;
using std::chrono::milliseconds;

namespace {

constexpr std::uint32_t kSeed = 2024;

// Keeps the region of every paint event a widget gets.
class PaintLog final : public QObject {
 public:
  explicit PaintLog(QWidget& widget) { widget.installEventFilter(this); }
  QRegion painted;
  int events = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted += static_cast<QPaintEvent*>(event)->region();
      ++events;
    }
    return false;
  }
};

}  // namespace

class GameSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { now_ = {}; }

  void everyEventFirstRunsTheTicksOwed() {
    CountingRandom random(kSeed);
    kalvenor::NullSound sound;
    GameSession session(random, sound, clock());
    session.open();
    QVERIFY(session.timers().enabled(Timer::Tmr1));
    QCOMPARE(random.drawn, 0);

    now_ = milliseconds(1001);
    session.window().menuAction(MenuItem::Mnusound).trigger();
    QCOMPARE(random.drawn, 500);
    session.window().menuAction(MenuItem::Mnusound).trigger();
    QCOMPARE(random.drawn, 500);

    now_ = milliseconds(1021);
    session.window().close();
    QCOMPARE(random.drawn, 510);
  }

  // The fleet is the one the virtual clock places: Start at 3000 ms after the
  // window opened, the placement tick at 3500 ms after 1750 ticks of Tmr1.
  void placementFindsTheSequenceWhereTicksWouldHaveLeftIt() {
    CountingRandom random(kSeed);
    kalvenor::NullSound sound;
    GameSession session(random, sound, clock());
    session.open();
    now_ = milliseconds(3000);
    session.window().menuAction(MenuItem::Mnustart).trigger();
    QCOMPARE(random.drawn, 1500);
    now_ = milliseconds(3500);
    QTRY_VERIFY_WITH_TIMEOUT(session.window().form().grid().cellShown(0), 10000);

    kalvenor::UniformRandom numbers(kSeed);
    kalvenor::NullView view;
    kalvenor::VirtualClock virtualClock;
    kalvenor::Frmsea expected(view, virtualClock, sound, numbers);
    const auto tick = [&expected](Timer t) { expected.onTimer(t); };
    expected.formLoad();
    virtualClock.advance(3000, tick);
    expected.mnustartClick();
    virtualClock.advance(500, tick);
    QCOMPARE(session.game().shipcell, expected.shipcell);
    QCOMPARE(session.game().occupied, expected.occupied);
  }

  void aShotRepaintsOnlyTheCellItChanges_data() {
    QTest::addColumn<bool>("hit");
    QTest::newRow("miss") << false;
    QTest::newRow("hit on a ship still afloat") << true;
  }
  void aShotRepaintsOnlyTheCellItChanges() {
    QFETCH(bool, hit);
    CountingRandom random(kSeed);
    kalvenor::NullSound sound;
    GameSession session(random, sound, clock());
    session.open();
    session.window().menuAction(MenuItem::Mnustart).trigger();
    SeaGrid& grid = session.window().form().grid();
    QTRY_VERIFY_WITH_TIMEOUT(grid.cellShown(0), 10000);
    QVERIFY(QTest::qWaitForWindowExposed(&session.window()));
    QCoreApplication::processEvents();

    // Cell 6 of the fleet belongs to a ship of four: one hit does not sink it.
    const int cell = hit ? session.game().shipcell[6] : firstFreeCell(session);
    PaintLog log(grid);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, SeaGrid::cellRect(cell).center());
    QCOMPARE(session.game().shot[cell], 1);
    QTRY_VERIFY_WITH_TIMEOUT(log.events > 0, 10000);
    QCoreApplication::processEvents();
    QCOMPARE(log.painted, QRegion(SeaGrid::cellRect(cell)));
  }

 private:
  kalvenor::ui::WindowTimers::Clock clock() {
    return [this] { return now_; };
  }

  static int firstFreeCell(const GameSession& session) {
    int cell = 0;
    while (session.game().occupied[cell] == 1) ++cell;
    return cell;
  }

  std::chrono::nanoseconds now_{};
};

QTEST_MAIN(GameSessionTest)
#include "game_session_test.moc"
