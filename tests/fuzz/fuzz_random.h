// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random sequence of a fuzzed game: the numbers the input gives, then a
// fixed generator, so that a game never runs dry however short the input.
// It keeps every number drawn, to write the game down as a scenario.

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "kalvenor/random_source.h"

namespace kalvenor::fuzz {

class FuzzRandom final : public RandomSource {
 public:
  FuzzRandom() { reseed(0); }

  void append(float r) { given_.push_back(r); }
  // Starts the generator afresh; the numbers given and not yet drawn still
  // come first.
  void reseed(std::uint32_t seed) { generator_.emplace(seed); }

  float next() override {
    float r;
    if (given_.empty()) {
      r = generator_->next();
    } else {
      r = given_.front();
      given_.pop_front();
    }
    drawn_.push_back(r);
    return r;
  }

  const std::vector<float>& drawn() const { return drawn_; }

 private:
  std::deque<float> given_;
  std::optional<UniformRandom> generator_;
  std::vector<float> drawn_;
};

}  // namespace kalvenor::fuzz
