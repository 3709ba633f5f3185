// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvenor/virtual_clock.h"

namespace kalvenor {

void VirtualClock::setEnabled(Timer timer, bool enabled) {
  Slot& s = slots_[static_cast<int>(timer) - 1];
  if (enabled && !s.enabled) s.due = now_ + intervalMs(timer);
  s.enabled = enabled;
}

std::int64_t VirtualClock::nextDue(int firstTimer) const {
  std::int64_t next = kNever;
  for (int n = firstTimer; n <= kTimers; ++n) {
    const Slot& s = slots_[n - 1];
    if (s.enabled && s.due < next) next = s.due;
  }
  return next;
}

}  // namespace kalvenor
