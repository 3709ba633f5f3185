// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_random.h"

#include <algorithm>

namespace kalvenor::fuzz {

void FuzzRandom::reseed(std::uint32_t seed) {
  seed_ = seed;
  generator_ = UniformRandom(seed);
  generated_ = 0;
}

float FuzzRandom::next() {
  if (givenTaken_ < given_.size()) {
    note(true, givenTaken_, 1);
    return given_[givenTaken_++];
  }
  note(false, generated_++, 1);
  return generator_.next();
}

void FuzzRandom::skip(std::uint64_t n) {
  const std::uint64_t fromGiven = std::min<std::uint64_t>(n, given_.size() - givenTaken_);
  if (fromGiven > 0) note(true, givenTaken_, fromGiven);
  givenTaken_ += fromGiven;
  const std::uint64_t fromGenerator = n - fromGiven;
  if (fromGenerator == 0) return;
  note(false, generated_, fromGenerator);
  generator_.skip(fromGenerator);
  generated_ += fromGenerator;
}

void FuzzRandom::note(bool given, std::uint64_t first, std::uint64_t count) {
  if (!runs_.empty()) {
    Run& last = runs_.back();
    const bool sameSource = last.given == given && (given || last.seed == seed_);
    if (sameSource && last.first + last.count == first) {
      last.count += count;
      return;
    }
  }
  runs_.push_back({given, given ? 0 : seed_, first, count});
}

std::vector<float> FuzzRandom::drawn() const {
  std::vector<float> numbers;
  for (const Run& run : runs_) {
    if (run.given) {
      numbers.insert(numbers.end(), given_.begin() + static_cast<std::ptrdiff_t>(run.first),
                     given_.begin() + static_cast<std::ptrdiff_t>(run.first + run.count));
      continue;
    }
    UniformRandom generator(run.seed);
    generator.skip(run.first);
    for (std::uint64_t k = 0; k < run.count; ++k) numbers.push_back(generator.next());
  }
  return numbers;
}

}  // namespace kalvenor::fuzz
