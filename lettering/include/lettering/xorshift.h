// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tiny seeded random source for the generators. std:: distributions may give
// other numbers on another standard library, which would change the committed
// files; this one gives the same numbers everywhere.

#include <cstdint>

namespace kalvenor::lettering {

class Xorshift32 {
 public:
  explicit Xorshift32(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}

  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

  // Uniform in [0, 1), from the top 24 bits.
  double unit() { return static_cast<double>(next() >> 8) / 16777216.0; }

  double between(double low, double high) { return low + (high - low) * unit(); }

 private:
  std::uint32_t state_;
};

}  // namespace kalvenor::lettering
