// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last steps of every sound: a short fade-in against clicks, a fade to
// silence at the end, the level set just below full scale, 16-bit samples.

#include <cstdint>
#include <vector>

namespace kalvenor::assets {

struct Mastering {
  double fadeInSeconds;
  double fadeOutStartSeconds;
  double fadeOutEndSeconds;  // silent from here on
  double peak;               // of full scale, below 1 so nothing clips
};

std::vector<std::int16_t> master(std::vector<double> signal, const Mastering& settings);

}  // namespace kalvenor::assets
