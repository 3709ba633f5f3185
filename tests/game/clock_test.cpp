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

}  // namespace
}  // namespace kalvenor::testing
