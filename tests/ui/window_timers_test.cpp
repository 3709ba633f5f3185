// SPDX-License-Identifier: GPL-3.0-or-later
// The timers' enable semantics: enabling a running timer keeps its beat,
// disabling and enabling it again starts a fresh interval. A deferred timer
// keeps them too, on a clock the tests move by hand.

#include <QSignalSpy>
#include <QTest>

#include <chrono>

#include "window_timers.h"

using kalvenor::Timer;
using kalvenor::ui::WindowTimers;
using std::chrono::milliseconds;

// A restart shows as a jump of the time left back above this; coarse timers
// may round their interval by 5%.
constexpr int kPartlyElapsed = kalvenor::intervalMs(Timer::Tmr9) - 300;

class WindowTimersTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { now_ = {}; }

  void enablingARunningTimerKeepsItsBeat() {
    WindowTimers timers;
    timers.setEnabled(Timer::Tmr9, true);
    QTRY_VERIFY_WITH_TIMEOUT(timers.remainingTime(Timer::Tmr9) < kPartlyElapsed, 10000);
    const int before = timers.remainingTime(Timer::Tmr9);
    timers.setEnabled(Timer::Tmr9, true);
    QVERIFY(timers.enabled(Timer::Tmr9));
    QVERIFY2(timers.remainingTime(Timer::Tmr9) <= before, "enabling again restarted the interval");
  }

  void disablingAndEnablingRestarts() {
    WindowTimers timers;
    timers.setEnabled(Timer::Tmr9, true);
    QTRY_VERIFY_WITH_TIMEOUT(timers.remainingTime(Timer::Tmr9) < kPartlyElapsed, 10000);
    const int before = timers.remainingTime(Timer::Tmr9);
    timers.setEnabled(Timer::Tmr9, false);
    QVERIFY(!timers.enabled(Timer::Tmr9));
    QCOMPARE(timers.remainingTime(Timer::Tmr9), -1);
    timers.setEnabled(Timer::Tmr9, true);
    QVERIFY2(timers.remainingTime(Timer::Tmr9) > before, "the interval did not start afresh");
  }

  void aTickNamesItsTimerAndKeepsItRunning() {
    WindowTimers timers;
    QSignalSpy ticks(&timers, &WindowTimers::ticked);
    timers.setEnabled(Timer::Tmr4, true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 10000);
    for (const QList<QVariant>& tick : ticks) QCOMPARE(tick.at(0).value<Timer>(), Timer::Tmr4);
    QVERIFY(timers.enabled(Timer::Tmr4));
  }

  void deferredTimerOwesOneTickPerIntervalSinceItsEnable() {
    WindowTimers timers(clock());
    timers.defer(Timer::Tmr1);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 0);
    now_ = milliseconds(5);
    timers.setEnabled(Timer::Tmr1, true);
    QVERIFY(timers.enabled(Timer::Tmr1));
    now_ = milliseconds(6);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 0);
    QCOMPARE(timers.remainingTime(Timer::Tmr1), 1);
    now_ = milliseconds(7);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 1);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 0);
    now_ = milliseconds(5 + 2 * 1000) - std::chrono::nanoseconds(1);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 998);
    now_ = milliseconds(5 + 2 * 1000);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 1);
  }

  void deferredTimerKeepsItsBeatWhenEnabledAgain() {
    WindowTimers timers(clock());
    timers.defer(Timer::Tmr1);
    timers.setEnabled(Timer::Tmr1, true);
    now_ = milliseconds(3);
    timers.setEnabled(Timer::Tmr1, true);
    now_ = milliseconds(4);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 2);
  }

  void deferredTimerRestartsAfterADisable() {
    WindowTimers timers(clock());
    timers.defer(Timer::Tmr1);
    timers.setEnabled(Timer::Tmr1, true);
    now_ = milliseconds(3);
    timers.setEnabled(Timer::Tmr1, false);
    QVERIFY(!timers.enabled(Timer::Tmr1));
    QCOMPARE(timers.remainingTime(Timer::Tmr1), -1);
    now_ = milliseconds(10);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 0);  // a stopped timer's tick that was due is lost
    timers.setEnabled(Timer::Tmr1, true);
    now_ = milliseconds(11);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 0);
    now_ = milliseconds(12);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr1), 1);
  }

  void deferringARunningTimerStopsItsQTimerAndKeepsItEnabled() {
    WindowTimers timers(clock());
    QSignalSpy ticks(&timers, &WindowTimers::ticked);
    timers.setEnabled(Timer::Tmr4, true);
    timers.defer(Timer::Tmr4);
    QVERIFY(timers.enabled(Timer::Tmr4));
    now_ = milliseconds(25);
    QCOMPARE(timers.takeOwedTicks(Timer::Tmr4), 2);
    // Its QTimer would have ticked by now, had it kept running.
    QTest::qWait(2 * kalvenor::intervalMs(Timer::Tmr4));
    QCOMPARE(ticks.count(), 0);
  }

 private:
  WindowTimers::Clock clock() {
    return [this] { return now_; };
  }

  std::chrono::nanoseconds now_{};
};

QTEST_MAIN(WindowTimersTest)
#include "window_timers_test.moc"
