#include "window_timers.h"

namespace kalvenor::ui {

namespace {
// Below this, Qt's coarse timers may drift by a visible share of the interval.
constexpr int kPreciseBelowMs = 200;
}  // namespace

WindowTimers::WindowTimers(QObject* parent) : QObject(parent) {
  for (int n = 1; n <= kTimers; ++n) {
    const Timer t = timerNumber(n);
    QTimer& qtimer = timer(t);
    qtimer.setInterval(intervalMs(t));
    qtimer.setTimerType(intervalMs(t) < kPreciseBelowMs ? Qt::PreciseTimer : Qt::CoarseTimer);
    connect(&qtimer, &QTimer::timeout, this, [this, t] { emit ticked(t); });
  }
}

void WindowTimers::setEnabled(Timer t, bool enabled) {
  QTimer& qtimer = timer(t);
  if (!enabled) {
    qtimer.stop();
  } else if (!qtimer.isActive()) {
    qtimer.start();  // start() on a running QTimer would restart it
  }
}

bool WindowTimers::enabled(Timer t) const { return timer(t).isActive(); }

int WindowTimers::remainingTime(Timer t) const { return timer(t).remainingTime(); }

}  // namespace kalvenor::ui
