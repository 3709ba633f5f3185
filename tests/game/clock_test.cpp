// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual clock's timer semantics, which every timed test relies on.

#include <utility>

#include "harness.h"

namespace kalvenor::testing {
namespace {

using Tick = std::pair<std::int64_t, Timer>;

struct Recorder {
  VirtualClock clock;
  std::vector<Tick> ticks;
  void advance(std::int64_t ms, const std::function<void(Timer)>& also = {}) {
    clock.advance(ms, [&](Timer t) {
      ticks.emplace_back(clock.now(), t);
      if (also) also(t);
    });
  }
};

TEST(VirtualClock, ATimerFirstTicksOneIntervalAfterItIsEnabledThenEveryInterval) {
  Recorder r;
  r.clock.setEnabled(Timer::Tmr3, true);
  r.advance(350);
  EXPECT_EQ(r.ticks, (std::vector<Tick>{{100, Timer::Tmr3}, {200, Timer::Tmr3}, {300, Timer::Tmr3}}));
  EXPECT_EQ(r.clock.now(), 350);
}

TEST(VirtualClock, EnablingARunningTimerDoesNotRestartIt) {
  Recorder r;
  r.clock.setEnabled(Timer::Tmr3, true);
  r.advance(50);
  r.clock.setEnabled(Timer::Tmr3, true);
  r.advance(50);
  EXPECT_EQ(r.ticks, (std::vector<Tick>{{100, Timer::Tmr3}}));
}

TEST(VirtualClock, DisablingAndEnablingRestartsOneIntervalLater) {
  Recorder r;
  r.clock.setEnabled(Timer::Tmr3, true);
  r.advance(50);
  r.clock.setEnabled(Timer::Tmr3, false);
  r.clock.setEnabled(Timer::Tmr3, true);
  r.advance(100);
  EXPECT_EQ(r.ticks, (std::vector<Tick>{{150, Timer::Tmr3}}));
}

TEST(VirtualClock, TicksAtOneInstantComeInTimerOrderAndADisabledTimerMissesItsTick) {
  Recorder r;
  r.clock.setEnabled(Timer::Tmr7, true);  // 800 ms
  r.clock.setEnabled(Timer::Tmr8, true);  // 800 ms
  r.clock.setEnabled(Timer::Tmr2, true);  // 500 ms: 800 is not its instant
  r.clock.setEnabled(Timer::Tmr4, true);  // 10 ms: ticks at 800 too
  r.advance(800, [&](Timer t) {
    if (t == Timer::Tmr7) r.clock.setEnabled(Timer::Tmr8, false);
  });
  std::vector<Tick> at800;
  for (const Tick& t : r.ticks) {
    if (t.first == 800) at800.push_back(t);
  }
  EXPECT_EQ(at800, (std::vector<Tick>{{800, Timer::Tmr4}, {800, Timer::Tmr7}}));
}

TEST(VirtualClock, ATimerEnabledByAHandlerWaitsAWholeInterval) {
  Recorder r;
  r.clock.setEnabled(Timer::Tmr6, true);
  r.advance(1200, [&](Timer t) {
    if (t == Timer::Tmr6) r.clock.setEnabled(Timer::Tmr5, true);
  });
  EXPECT_EQ(r.ticks, (std::vector<Tick>{{1000, Timer::Tmr6}, {1200, Timer::Tmr5}}));
}

// Every timer with a handler that switches others on and off: the grouped
// advance must serve the same ticks at the same instants, and each run of
// Tmr1 must cover exactly the Tmr1 ticks the plain advance serves.
TEST(VirtualClock, GroupedTmr1RunsServeTheSameTicksAsThePlainAdvance) {
  const auto drive = [](VirtualClock& clock, Timer t) {
    if (t == Timer::Tmr4) clock.setEnabled(Timer::Tmr3, !clock.enabled(Timer::Tmr3));
    if (t == Timer::Tmr6) clock.setEnabled(Timer::Tmr4, !clock.enabled(Timer::Tmr4));
  };
  const auto start = [](VirtualClock& clock) {
    for (Timer t : {Timer::Tmr1, Timer::Tmr4, Timer::Tmr6, Timer::Tmr9}) clock.setEnabled(t, true);
  };
  Recorder plain;
  start(plain.clock);
  VirtualClock grouped;
  start(grouped);
  std::vector<Tick> ticks;
  for (std::int64_t ms : {0, 1, 3, 7, 10, 999, 4321}) {
    plain.advance(ms, [&](Timer t) { drive(plain.clock, t); });
    grouped.advance(
        ms,
        [&](Timer t) {
          ticks.emplace_back(grouped.now(), t);
          drive(grouped, t);
        },
        [&](std::int64_t count) {
          ASSERT_GT(count, 0);
          // The run ends at now(); its ticks fall every 2 ms before it.
          for (std::int64_t n = count - 1; n >= 0; --n) ticks.emplace_back(grouped.now() - 2 * n, Timer::Tmr1);
        });
    EXPECT_EQ(grouped.now(), plain.clock.now());
  }
  EXPECT_EQ(ticks, plain.ticks);
}

}  // namespace
}  // namespace kalvenor::testing
