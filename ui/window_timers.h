// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine timers Tmr1..Tmr9. Enabling a running timer leaves it running on
// its beat; disabling and enabling it again restarts it.
//
// A timer runs on a QTimer unless it is deferred: a deferred timer never wakes
// the program. It counts its ticks on a monotonic clock instead, and its owner
// collects them with takeOwedTicks() when it next has work to do.

#include <QObject>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>

#include "kalvenor/timers.h"

namespace kalvenor::ui {

class WindowTimers final : public QObject, public Timers {
  Q_OBJECT

 public:
  // Time since an arbitrary fixed point; tests pass a clock they move by hand.
  using Clock = std::function<std::chrono::nanoseconds()>;
  static Clock steadyClock();

  explicit WindowTimers(Clock clock = steadyClock(), QObject* parent = nullptr);

  // Makes `timer` deferred. It keeps whether it is enabled and its beat.
  void defer(Timer timer);
  // The ticks a deferred timer has come to since the last call.
  std::int64_t takeOwedTicks(Timer timer);

  void setEnabled(Timer timer, bool enabled) override;
  bool enabled(Timer timer) const override;
  // Milliseconds until the timer's next tick, -1 while it is disabled.
  int remainingTime(Timer timer) const;

 signals:
  void ticked(kalvenor::Timer timer);

 private:
  // A deferred timer's beat: its ticks fall every interval after `since`.
  struct Beat {
    bool deferred = false;
    bool enabled = false;
    std::chrono::nanoseconds since{};
    std::int64_t taken = 0;  // ticks since `since` already collected
  };

  QTimer& timer(Timer t) { return timers_[static_cast<int>(t) - 1]; }
  const QTimer& timer(Timer t) const { return timers_[static_cast<int>(t) - 1]; }
  Beat& beat(Timer t) { return beats_[static_cast<int>(t) - 1]; }
  const Beat& beat(Timer t) const { return beats_[static_cast<int>(t) - 1]; }
  std::int64_t ticksSince(Timer t) const;

  Clock clock_;
  std::array<QTimer, kTimers> timers_;
  std::array<Beat, kTimers> beats_{};
};

}  // namespace kalvenor::ui
