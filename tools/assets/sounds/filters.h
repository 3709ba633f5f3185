// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Second-order filters (the usual bilinear-transform recipes) for shaping
// noise. Coefficients can be changed while running to sweep a filter.

#include <cmath>
#include <numbers>

namespace kalvenor::assets {

inline constexpr double kSampleRate = 44100;

class Biquad {
 public:
  enum class Shape { LowPass, HighPass, BandPass };

  Biquad(Shape shape, double frequency, double q) : shape_(shape) { tune(frequency, q); }

  void tune(double frequency, double q) {
    const double omega = 2 * std::numbers::pi * frequency / kSampleRate;
    const double alpha = std::sin(omega) / (2 * q);
    const double cosine = std::cos(omega);
    const double a0 = 1 + alpha;
    switch (shape_) {
      case Shape::LowPass:
        b0_ = b2_ = (1 - cosine) / 2 / a0;
        b1_ = (1 - cosine) / a0;
        break;
      case Shape::HighPass:
        b0_ = b2_ = (1 + cosine) / 2 / a0;
        b1_ = -(1 + cosine) / a0;
        break;
      case Shape::BandPass:
        b0_ = alpha / a0;
        b1_ = 0;
        b2_ = -alpha / a0;
        break;
    }
    a1_ = -2 * cosine / a0;
    a2_ = (1 - alpha) / a0;
  }

  double process(double input) {
    const double output = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
  }

 private:
  Shape shape_;
  double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace kalvenor::assets
