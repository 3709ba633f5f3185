// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the game logic on the virtual clock: the placement chain that one
// Tmr2 tick runs, a whole game, and one buoy drop.

#include <benchmark/benchmark.h>

#include "kalvenor/frmsea.h"
#include "kalvenor/virtual_clock.h"

namespace kalvenor {
namespace {

constexpr std::uint32_t kSeed = 12345;

// A game on the virtual clock with nothing to show or play.
struct QuietGame {
  UniformRandom random{kSeed};
  NullView view;
  VirtualClock clock;
  NullSound sound;
  Frmsea game{view, clock, sound, random};

  void advance(int ms) {
    clock.advance(ms, [this](Timer t) { game.onTimer(t); });
  }
  // The window opens, Start, and the placement tick lays out the fleet.
  void startAndPlace() {
    game.formLoad();
    game.mnustartClick();
    advance(intervalMs(Timer::Tmr2));
  }
};

void PlacementChain(benchmark::State& state) {
  QuietGame quiet;
  for (auto _ : state) {
    quiet.game.occupied.fill(0);
    quiet.game.tmr2Timer();
    benchmark::DoNotOptimize(quiet.game.shipcell);
  }
}
BENCHMARK(PlacementChain)->Repetitions(5)->ReportAggregatesOnly(true);

// A legal fleet whose last ship holds the last cell, so that a player who
// fires at every cell in order sinks it with the 750th shot.
constexpr std::array<GridIndex, kSlots> kFleetEndingAtTheLastCell = {
    1,   30,  31,  60,  61,  90,              // ship 0
    4,   34,  64,  94,                        // ship 1
    7,   37,  67,  97,                        // ship 2
    300, 301, 302,                            // ship 3
    306, 307, 308,                            // ship 4
    312, 313, 314,                            // ship 5
    600, 630, 603, 633, 606, 636, 719, 749};  // ships 6 to 9

// The whole game of 750 shots, fired at every cell in order, on the fleet
// above once the placement tick has run. Each sinking is waited out, and the
// last hit marker runs out after the fleet is gone; Tmr1 draws all along.
void WholeGame(benchmark::State& state) {
  for (auto _ : state) {
    QuietGame quiet;
    Frmsea& game = quiet.game;
    quiet.startAndPlace();
    game.occupied.fill(0);
    game.shipcell = kFleetEndingAtTheLastCell;
    for (GridIndex cell : kFleetEndingAtTheLastCell) game.occupied[cell] = 1;
    for (int cell = 0; cell < kCells; ++cell) {
      if (game.clickable(Control::Picarea, cell)) game.picareaClick(cell);
      while (game.busy != 0) quiet.advance(intervalMs(Timer::Tmr3));
    }
    while (quiet.clock.enabled(Timer::Tmr4)) quiet.advance(intervalMs(Timer::Tmr4));
    if (game.hitcount != kSlots || game.score != 1000 - kCells + 200 * kShips) {
      state.SkipWithError("the game did not end with every cell fired at and every ship sunk");
      break;
    }
  }
}
BENCHMARK(WholeGame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A bought buoy dropped on a cell: the drop and the count of what it hears.
// The argument is the cell; the three lie in the three zones of the drop.
void BuoyDrop(benchmark::State& state) {
  QuietGame quiet;
  quiet.startAndPlace();
  Frmsea& game = quiet.game;
  const int cell = static_cast<int>(state.range(0));
  for (auto _ : state) {
    game.buoymode = 1;
    game.buoybusy = 0;
    game.picareaClick(cell);
    benchmark::DoNotOptimize(game.buoyheard);
  }
}
BENCHMARK(BuoyDrop)->Arg(45)->Arg(375)->Arg(705)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kalvenor
