// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock that moves only when told to, for tests and replays. An enabled
// timer first ticks one interval after it is enabled, then once every
// interval; ticks due at one instant are served in ascending timer number,
// and a timer disabled by an earlier handler at that instant does not tick.

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
      for (int n = 1; n <= kTimers; ++n) {
        Slot& s = slots_[n - 1];
        if (!s.enabled || s.due != due) continue;
        s.due += intervalMs(timerNumber(n));
        onTick(timerNumber(n));
      }
    }
    now_ = target;
  }

 private:
  struct Slot {
    bool enabled = false;
    std::int64_t due = 0;
  };
  static constexpr std::int64_t kNever = INT64_MAX;

  const Slot& slot(Timer timer) const { return slots_[static_cast<int>(timer) - 1]; }
  std::int64_t nextDue() const;

  std::array<Slot, kTimers> slots_{};
  std::int64_t now_ = 0;
};

}  // namespace kalvenor
