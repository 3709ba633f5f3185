// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one shared uniform random sequence that Tmr1 and every placement draw
// take their numbers from: single-precision values 0 <= r < 1.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <vector>

namespace kalvenor {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float next() = 0;
  // Moves past the next n numbers, leaving the sequence where n calls of
  // next() would: how hours of Tmr1 ticks are caught up in one step.
  virtual void skip(std::uint64_t n) = 0;
};

// The game's own generator. Number i of the sequence is a function of the
// seed and i alone (SplitMix64's mix of seed + (i + 1) x golden ratio), so a
// skip of any length is one addition. Its top 24 bits are scaled into
// [0, 1): every value is exactly representable and never rounds up to 1.
class UniformRandom final : public RandomSource {
 public:
  explicit UniformRandom(std::uint64_t seed) : seed_(seed) {}
  float next() override { return static_cast<float>(bitsAt(index_++) >> 40) * 0x1p-24f; }
  void skip(std::uint64_t n) override { index_ += n; }

 private:
  std::uint64_t bitsAt(std::uint64_t i) const {
    std::uint64_t z = seed_ + (i + 1) * 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  std::uint64_t seed_;
  std::uint64_t index_ = 0;
};

// A fixed list of numbers, for tests and scenario replays. A number is
// dropped once drawn, so a long replay holds only the numbers still to come.
// Running past the end is an error of the script, reported by an exception
// that the caller of the game handler catches.
class ScriptedRandom final : public RandomSource {
 public:
  struct Exhausted : std::runtime_error {
    Exhausted() : std::runtime_error("draw from an exhausted random sequence") {}
  };

  ScriptedRandom() = default;
  explicit ScriptedRandom(const std::vector<float>& numbers) : numbers_(numbers.begin(), numbers.end()) {}

  void append(float r) { numbers_.push_back(r); }
  float next() override {
    if (numbers_.empty()) throw Exhausted();
    const float r = numbers_.front();
    numbers_.pop_front();
    ++drawn_;
    return r;
  }
  // Fails as the first draw past the end would, with every number drawn.
  void skip(std::uint64_t n) override {
    const std::size_t taken = n < numbers_.size() ? static_cast<std::size_t>(n) : numbers_.size();
    numbers_.erase(numbers_.begin(), numbers_.begin() + static_cast<std::ptrdiff_t>(taken));
    drawn_ += taken;
    if (taken < n) throw Exhausted();
  }
  std::size_t drawn() const { return drawn_; }

 private:
  std::deque<float> numbers_;
  std::size_t drawn_ = 0;
};

}  // namespace kalvenor
