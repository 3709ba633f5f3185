// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine millisecond timers as the logic sees them. Classic semantics:
// enabling a running timer changes nothing; disabling and enabling again
// restarts it, so its next tick comes one interval after the enable.

#include "kalvenor/controls.h"

namespace kalvenor {

class Timers {
 public:
  virtual ~Timers() = default;
  virtual void setEnabled(Timer timer, bool enabled) = 0;
  virtual bool enabled(Timer timer) const = 0;
};

}  // namespace kalvenor
