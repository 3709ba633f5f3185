// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/mastering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sounds/filters.h"

namespace kalvenor::assets {

std::vector<std::int16_t> master(std::vector<double> signal, const Mastering& settings) {
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double gain = std::min(1.0, t / settings.fadeInSeconds);
    if (t >= settings.fadeOutEndSeconds) {
      gain = 0;
    } else if (t > settings.fadeOutStartSeconds) {
      const double left = (settings.fadeOutEndSeconds - t) /
                          (settings.fadeOutEndSeconds - settings.fadeOutStartSeconds);
      gain *= std::sin(left * std::numbers::pi / 2) * std::sin(left * std::numbers::pi / 2);
    }
    signal[i] *= gain;
  }
  double loudest = 0;
  for (double sample : signal) loudest = std::max(loudest, std::abs(sample));
  const double scale = loudest > 0 ? settings.peak * 32767 / loudest : 0;

  std::vector<std::int16_t> samples(signal.size());
  std::transform(signal.begin(), signal.end(), samples.begin(), [scale](double sample) {
    return static_cast<std::int16_t>(std::lround(std::clamp(sample * scale, -32767.0, 32767.0)));
  });
  return samples;
}

}  // namespace kalvenor::assets
