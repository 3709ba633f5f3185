// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/explosion.h"

#include <cmath>
#include <numbers>

#include "sounds/envelopes.h"
#include "sounds/filters.h"
#include "sounds/mastering.h"
#include "lettering/xorshift.h"

namespace kalvenor::assets {
namespace {

constexpr double kSeconds = 1.62;

// Flying debris: short gritty bursts that come rarer and softer as the blast fades.
class Debris {
 public:
  Debris() : grit_(Biquad::Shape::BandPass, 2200, 0.8) {}

  double next(double t, double white, lettering::Xorshift32& random) {
    if (left_ <= 0 && t > 0.05 && t < 0.9 && random.unit() < 0.0015 * std::exp(-t / 0.3)) {
      length_ = left_ = random.between(80, 260);
      level_ = random.between(0.25, 0.6) * std::exp(-t / 0.35);
    }
    if (left_ <= 0) return grit_.process(0);
    left_ -= 1;
    return grit_.process(white) * level_ * left_ / length_;
  }

 private:
  Biquad grit_;
  double length_ = 0;
  double left_ = 0;
  double level_ = 0;
};

}  // namespace

std::vector<std::int16_t> synthesiseExplosion() {
  const auto count = static_cast<std::size_t>(kSeconds * kSampleRate);
  std::vector<double> signal(count);
  lettering::Xorshift32 random(0x5EA5EA);
  Biquad crack(Biquad::Shape::LowPass, 7000, 0.7);
  Biquad blast(Biquad::Shape::LowPass, 2500, 0.9);
  Biquad rumbleFirst(Biquad::Shape::LowPass, 120, 0.7);
  Biquad rumbleSecond(Biquad::Shape::LowPass, 120, 0.7);
  Debris debris;
  double thumpPhase = 0;

  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double white = random.between(-1, 1);
    // The blast's roar darkens as it spreads: its cut-off falls from bright to deep.
    if (i % 32 == 0) blast.tune(120 + 2400 * std::exp(-t / 0.12), 0.9);
    const double thumpFrequency = 34 + 80 * std::exp(-t / 0.07);
    thumpPhase += 2 * std::numbers::pi * thumpFrequency / kSampleRate;

    const double sharpCrack = crack.process(white) * strike(t, 0.001, 0.014);
    const double roar = blast.process(white) * strike(t, 0.004, 0.24);
    const double thump = std::tanh(1.6 * std::sin(thumpPhase)) * strike(t, 0.002, 0.17);
    const double rumble = rumbleSecond.process(rumbleFirst.process(white)) * strike(t, 0.03, 0.5);
    signal[i] = 0.6 * sharpCrack + 2.6 * roar + 0.75 * thump + 9.0 * rumble + 2.0 * debris.next(t, white, random);
  }
  return master(std::move(signal), {.fadeInSeconds = 0.002,
                                    .fadeOutStartSeconds = 1.1,
                                    .fadeOutEndSeconds = 1.58,
                                    .peak = 0.89});
}

}  // namespace kalvenor::assets
