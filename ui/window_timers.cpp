// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_timers.h"

namespace kalvenor::ui {

namespace {
// Below this, Qt's coarse timers may drift by a visible share of the interval.
constexpr int kPreciseBelowMs = 200;

std::chrono::nanoseconds intervalOf(Timer t) { return std::chrono::milliseconds(intervalMs(t)); }
}  // namespace

WindowTimers::Clock WindowTimers::steadyClock() {
  return [] { return std::chrono::steady_clock::now().time_since_epoch(); };
}

WindowTimers::WindowTimers(Clock clock, QObject* parent) : QObject(parent), clock_(std::move(clock)) {
  for (int n = 1; n <= kTimers; ++n) {
    const Timer t = timerNumber(n);
    QTimer& qtimer = timer(t);
    qtimer.setInterval(intervalMs(t));
    qtimer.setTimerType(intervalMs(t) < kPreciseBelowMs ? Qt::PreciseTimer : Qt::CoarseTimer);
    connect(&qtimer, &QTimer::timeout, this, [this, t] { emit ticked(t); });
  }
}

void WindowTimers::defer(Timer t) {
  if (beat(t).deferred) return;
  const bool running = timer(t).isActive();
  timer(t).stop();
  beat(t).deferred = true;
  setEnabled(t, running);
}

std::int64_t WindowTimers::ticksSince(Timer t) const {
  const Beat& b = beat(t);
  return b.enabled ? (clock_() - b.since) / intervalOf(t) : 0;
}

std::int64_t WindowTimers::takeOwedTicks(Timer t) {
  Beat& b = beat(t);
  const std::int64_t due = ticksSince(t);
  const std::int64_t owed = due - b.taken;
  b.taken = due;
  return owed;
}

void WindowTimers::setEnabled(Timer t, bool enabled) {
  Beat& b = beat(t);
  if (b.deferred) {
    // As with a QTimer, ticks not yet collected when it stops are lost.
    if (enabled && !b.enabled) {
      b.since = clock_();
      b.taken = 0;
    }
    b.enabled = enabled;
    return;
  }
  QTimer& qtimer = timer(t);
  if (!enabled) {
    qtimer.stop();
  } else if (!qtimer.isActive()) {
    qtimer.start();  // start() on a running QTimer would restart it
  }
}

bool WindowTimers::enabled(Timer t) const { return beat(t).deferred ? beat(t).enabled : timer(t).isActive(); }

int WindowTimers::remainingTime(Timer t) const {
  if (!beat(t).deferred) return timer(t).remainingTime();
  if (!beat(t).enabled) return -1;
  const std::chrono::nanoseconds next = beat(t).since + (ticksSince(t) + 1) * intervalOf(t);
  return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(next - clock_()).count());
}

}  // namespace kalvenor::ui

#include "moc_window_timers.cpp"
