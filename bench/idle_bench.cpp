// SPDX-License-Identifier: GPL-3.0-or-later
// The first event after the window has sat idle: the session catches up
// with every Tmr1 tick owed since the last event, then runs the handler. A
// menu command (Sound) on the real window, offscreen, with a clock moved by
// hand across 1 s, 1 hour, 24 hours and 30 days of idle.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include <chrono>

#include "game_session.h"

namespace {

using std::chrono::nanoseconds;

void FirstEventAfterIdle(benchmark::State& state) {
  const nanoseconds idle = std::chrono::seconds(state.range(0));
  nanoseconds now{};
  kalvenor::UniformRandom random(12345);
  kalvenor::NullSound sound;
  kalvenor::ui::GameSession session(random, sound, [&now] { return now; });
  session.open();
  QAction& soundItem = session.window().menuAction(kalvenor::MenuItem::Mnusound);
  for (auto _ : state) {
    state.PauseTiming();
    now += idle;
    state.ResumeTiming();
    soundItem.trigger();
  }
}
BENCHMARK(FirstEventAfterIdle)
    ->ArgName("idle_s")
    ->Arg(1)
    ->Arg(60 * 60)
    ->Arg(24 * 60 * 60)
    ->Arg(30 * 24 * 60 * 60)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
