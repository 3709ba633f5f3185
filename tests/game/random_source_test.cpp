// SPDX-License-Identifier: GPL-3.0-or-later
// A skip leaves the random sequence where as many draws would have, so that
// hours of Tmr1 ticks caught up at once place the same fleet.

#include <gtest/gtest.h>

#include "kalvenor/random_source.h"

namespace kalvenor {
namespace {

TEST(UniformRandom, ASkipOfNLeavesTheSequenceWhereNDrawsWould) {
  for (std::uint64_t n : {0u, 1u, 2u, 17u, 1000u, 43'200u}) {
    UniformRandom drawn(2024);
    for (std::uint64_t k = 0; k < n; ++k) drawn.next();
    UniformRandom skipped(2024);
    skipped.skip(n);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(skipped.next(), drawn.next()) << "after " << n;
  }
}

TEST(UniformRandom, DrawsLieInTheUnitIntervalAndDependOnTheSeed) {
  UniformRandom a(1);
  UniformRandom b(2);
  a.skip(1'296'000'000);  // thirty days of Tmr1
  int same = 0;
  double sum = 0;
  constexpr int kDraws = 100'000;
  for (int k = 0; k < kDraws; ++k) {
    const float r = a.next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    sum += r;
    same += r == b.next();
  }
  EXPECT_LT(same, 10);
  EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
}

TEST(ScriptedRandom, ASkipTakesNumbersInTurnAndFailsPastTheEnd) {
  ScriptedRandom random({0.1f, 0.2f, 0.3f, 0.4f});
  random.skip(2);
  EXPECT_EQ(random.next(), 0.3f);
  EXPECT_EQ(random.drawn(), 3u);
  EXPECT_THROW(random.skip(2), ScriptedRandom::Exhausted);
  EXPECT_THROW(random.next(), ScriptedRandom::Exhausted);
}

}  // namespace
}  // namespace kalvenor
