// Speed of the game logic: the placement chain that one Tmr2 tick runs.

#include <benchmark/benchmark.h>

#include "kalvenor/frmsea.h"
#include "kalvenor/virtual_clock.h"

namespace kalvenor {
namespace {

void PlacementChain(benchmark::State& state) {
  UniformRandom random(12345);
  NullView view;
  VirtualClock clock;
  NullSound sound;
  Frmsea game(view, clock, sound, random);
  for (auto _ : state) {
    game.occupied.fill(0);
    game.tmr2Timer();
    benchmark::DoNotOptimize(game.shipcell);
  }
}
BENCHMARK(PlacementChain)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kalvenor
