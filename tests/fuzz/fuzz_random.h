// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random sequence of a fuzzed game: the numbers the input gives, then a
// fixed generator, so that a game never runs dry however short the input.
// It notes where every number drawn came from, a run of them at a time, so
// that a skip past hours of numbers costs no more than one draw and the game
// can still be written down as a scenario with every number it drew.

#include <cstdint>
#include <vector>

#include "kalvenor/random_source.h"

namespace kalvenor::fuzz {

class FuzzRandom final : public RandomSource {
 public:
  void append(float r) { given_.push_back(r); }
  // Starts the generator afresh; the numbers given and not yet drawn still
  // come first.
  void reseed(std::uint32_t seed);

  float next() override;
  void skip(std::uint64_t n) override;

  // Every number drawn or skipped, in order.
  std::vector<float> drawn() const;

 private:
  // A run of numbers taken in turn, from number `first` on, of the given ones
  // or of the generator started with `seed`.
  struct Run {
    bool given;
    std::uint32_t seed;
    std::uint64_t first;
    std::uint64_t count;
  };
  void note(bool given, std::uint64_t first, std::uint64_t count);

  std::vector<float> given_;
  std::size_t givenTaken_ = 0;
  std::uint32_t seed_ = 0;
  UniformRandom generator_{0};
  std::uint64_t generated_ = 0;  // numbers taken from generator_ since its seed
  std::vector<Run> runs_;
};

}  // namespace kalvenor::fuzz
