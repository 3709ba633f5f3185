// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/splash.h"

#include <cmath>
#include <numbers>

#include "sounds/envelopes.h"
#include "sounds/filters.h"
#include "sounds/mastering.h"
#include "lettering/xorshift.h"

namespace kalvenor::assets {
namespace {

constexpr double kSeconds = 0.72;

// A rising air bubble rings as a short sine whose pitch climbs.
struct Bubble {
  double start;
  double length;
  double pitch;
  double level;

  double at(double t) const {
    const double age = t - start;
    if (age < 0 || age >= length) return 0;
    const double phase = 2 * std::numbers::pi * pitch * (age + 0.45 * age * age / length);
    return level * std::sin(phase) * strike(age, 0.002, length * 0.35);
  }
};

std::vector<Bubble> bubbles(lettering::Xorshift32& random) {
  std::vector<Bubble> all;
  for (int i = 0; i < 22; ++i) {
    const double start = random.between(0.05, 0.56);
    all.push_back({start, random.between(0.018, 0.06), random.between(450, 1400),
                   random.between(0.2, 0.5) * std::exp(-start / 0.3)});
  }
  return all;
}

}  // namespace

std::vector<std::int16_t> synthesiseSplash() {
  const auto count = static_cast<std::size_t>(kSeconds * kSampleRate);
  std::vector<double> signal(count);
  lettering::Xorshift32 random(0x5B1A5B);
  const std::vector<Bubble> tail = bubbles(random);
  Biquad slap(Biquad::Shape::BandPass, 1800, 0.8);
  Biquad bodyHigh(Biquad::Shape::HighPass, 600, 0.7);
  Biquad bodyLow(Biquad::Shape::LowPass, 5000, 0.7);
  double plopPhase = 0;

  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double white = random.between(-1, 1);
    plopPhase += 2 * std::numbers::pi * (90 + 150 * std::exp(-t / 0.03)) / kSampleRate;

    const double impact = slap.process(white) * strike(t, 0.002, 0.035);
    const double water = bodyLow.process(bodyHigh.process(white)) * strike(t, 0.012, 0.13);
    const double plop = std::sin(plopPhase) * strike(t, 0.002, 0.045);
    double bubbling = 0;
    for (const Bubble& bubble : tail) bubbling += bubble.at(t);
    signal[i] = 2.5 * impact + 1.2 * water + 0.6 * plop + bubbling;
  }
  return master(std::move(signal), {.fadeInSeconds = 0.002,
                                    .fadeOutStartSeconds = 0.6,
                                    .fadeOutEndSeconds = 0.7,
                                    .peak = 0.85});
}

}  // namespace kalvenor::assets
