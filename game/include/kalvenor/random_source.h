// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one shared uniform random sequence that Tmr1 and every placement draw
// take their numbers from: single-precision values 0 <= r < 1.

#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace kalvenor {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float next() = 0;
};

// The game's own generator: 24 random bits scaled into [0, 1), so every
// value is exactly representable and never rounds up to 1.
class UniformRandom final : public RandomSource {
 public:
  explicit UniformRandom(std::uint32_t seed) : engine_(seed) {}
  float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }
  // Draws and discards n numbers, as n ticks of Tmr1 would.
  void discard(std::uint64_t n) { engine_.discard(n); }

 private:
  std::mt19937 engine_;
};

// A fixed list of numbers, for tests and scenario replays. Running past its
// end is an error of the script, reported by an exception that the caller of
// the game handler catches.
class ScriptedRandom final : public RandomSource {
 public:
  struct Exhausted : std::runtime_error {
    Exhausted() : std::runtime_error("draw from an exhausted random sequence") {}
  };

  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<float> numbers) : numbers_(std::move(numbers)) {}

  void append(float r) { numbers_.push_back(r); }
  float next() override {
    if (drawn_ >= numbers_.size()) throw Exhausted();
    return numbers_[drawn_++];
  }
  std::size_t drawn() const { return drawn_; }
  std::size_t remaining() const { return numbers_.size() - drawn_; }

 private:
  std::vector<float> numbers_;
  std::size_t drawn_ = 0;
};

}  // namespace kalvenor
