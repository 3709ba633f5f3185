// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own random sequence, counting the numbers taken from it (drawn
// or skipped), so a test can tell how many Tmr1 ticks the window has run.

#include <cstdint>

#include "kalvenor/random_source.h"

namespace kalvenor::test {

class CountingRandom final : public RandomSource {
 public:
  explicit CountingRandom(std::uint64_t seed) : numbers_(seed) {}
  float next() override {
    ++drawn;
    return numbers_.next();
  }
  void skip(std::uint64_t n) override {
    drawn += static_cast<std::int64_t>(n);
    numbers_.skip(n);
  }
  std::int64_t drawn = 0;

 private:
  UniformRandom numbers_;
};

}  // namespace kalvenor::test
