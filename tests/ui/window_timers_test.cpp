// The timers' enable semantics: enabling a running timer keeps its beat,
// disabling and enabling it again starts a fresh interval.

#include <QSignalSpy>
#include <QTest>

#include "window_timers.h"

using kalvenor::Timer;
using kalvenor::ui::WindowTimers;

// A restart shows as a jump of the time left back above this; coarse timers
// may round their interval by 5%.
constexpr int kPartlyElapsed = kalvenor::intervalMs(Timer::Tmr9) - 300;

class WindowTimersTest : public QObject {
  Q_OBJECT

 private slots:
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

};

QTEST_MAIN(WindowTimersTest)
#include "window_timers_test.moc"
