// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loudness curves shared by the synthesised sounds; t and times in seconds.

#include <algorithm>
#include <cmath>

namespace kalvenor::assets {

// A linear attack from silence to full level over `attack` seconds, then an
// exponential decay with time constant `decay`.
inline double strike(double t, double attack, double decay) {
  return std::min(1.0, t / attack) * std::exp(-t / decay);
}

}  // namespace kalvenor::assets
