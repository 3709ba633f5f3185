// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock that moves only when told to, for tests and replays. An enabled
// timer first ticks one interval after it is enabled, then once every
// interval; ticks due at one instant are served in ascending timer number,
// and a timer disabled by an earlier handler at that instant does not tick.

#include <algorithm>
#include <array>
#include <cstdint>

#include "kalvenor/timers.h"

namespace kalvenor {

class VirtualClock final : public Timers {
 public:
  void setEnabled(Timer timer, bool enabled) override;
  bool enabled(Timer timer) const override { return slot(timer).enabled; }

  std::int64_t now() const { return now_; }

  // Moves the clock `ms` forward, calling onTick(timer) for every tick due up
  // to and including the new time, in order.
  template <typename OnTick>
  void advance(std::int64_t ms, OnTick&& onTick) {
    const std::int64_t target = now_ + ms;
    for (std::int64_t due = nextDue(); due <= target; due = nextDue()) {
      now_ = due;
      tickDue(1, onTick);
    }
    now_ = target;
  }

  // The same ticks in the same order, except that each run of Tmr1 ticks
  // with no other tick between them is served by one onTmr1Run(count). Only
  // for a Tmr1 handler that changes no timer: it cannot stop its own run.
  template <typename OnTick, typename OnTmr1Run>
  void advance(std::int64_t ms, OnTick&& onTick, OnTmr1Run&& onTmr1Run) {
    const std::int64_t target = now_ + ms;
    Slot& tmr1 = slots_[0];
    const std::int64_t tmr1Interval = intervalMs(Timer::Tmr1);
    for (;;) {
      const std::int64_t other = nextDue(2);
      // Tmr1 comes first among the ticks due at one instant.
      const std::int64_t runEnd = std::min(other, target);
      if (tmr1.enabled && tmr1.due <= runEnd) {
        const std::int64_t count = (runEnd - tmr1.due) / tmr1Interval + 1;
        now_ = tmr1.due + (count - 1) * tmr1Interval;
        tmr1.due += count * tmr1Interval;
        onTmr1Run(count);
      }
      if (other > target) break;
      now_ = other;
      tickDue(2, onTick);
    }
    now_ = target;
  }

 private:
  // Ticks, in timer order from Tmr`first`, every enabled timer due now.
  template <typename OnTick>
  void tickDue(int first, OnTick& onTick) {
    for (int n = first; n <= kTimers; ++n) {
      Slot& s = slots_[n - 1];
      if (!s.enabled || s.due != now_) continue;
      s.due += intervalMs(timerNumber(n));
      onTick(timerNumber(n));
    }
  }

  struct Slot {
    bool enabled = false;
    std::int64_t due = 0;
  };
  static constexpr std::int64_t kNever = INT64_MAX;

  const Slot& slot(Timer timer) const { return slots_[static_cast<int>(timer) - 1]; }
  // The earliest tick due of the timers numbered firstTimer and up.
  std::int64_t nextDue(int firstTimer = 1) const;

  std::array<Slot, kTimers> slots_{};
  std::int64_t now_ = 0;
};

}  // namespace kalvenor
