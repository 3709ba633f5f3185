// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "breach.h"
#include "checking_view.h"

namespace kalvenor::fuzz {

namespace {

bool isFlag(std::int16_t value) { return value == 0 || value == 1; }
bool within(int value, int low, int high) { return value >= low && value <= high; }

// The ship each slot belongs to, looked up at every check.
constexpr std::array<int, kSlots> kShipOfSlot = [] {
  std::array<int, kSlots> ships{};
  for (int slot = 0, ship = 0; slot < kSlots; ++slot) {
    while (ship + 1 < kShips && slot >= kFleet[ship + 1].firstSlot) ++ship;
    ships[slot] = ship;
  }
  return ships;
}();

int shipOfSlot(int slot) { return kShipOfSlot[slot]; }

bool hitColour(CellColour c) { return c == CellColour::Red || c == CellColour::Black; }
// Every ship cell hit: the game is decided, if its last sinking still runs.
bool everyShipCellHit(const Frmsea& game) {
  return std::all_of(game.cellhit.begin(), game.cellhit.end(), [](std::int16_t h) { return h == 1; });
}
bool buoyColour(CellColour c) { return c == CellColour::DarkYellow || c == CellColour::Yellow; }
bool shotColour(CellColour c) { return c == CellColour::Cyan || hitColour(c); }

bool shown(const Frmsea& game, Control control, int index = 0) { return game.screen().shown(control, index); }

bool anyShown(const Frmsea& game, Control control) {
  for (int n = 0; n < controlCount(control); ++n) {
    if (shown(game, control, n)) return true;
  }
  return false;
}

// Adds one cell's colour to the tally, or takes it away again (sign -1).
void countColour(Tally& t, CellColour colour, int sign) {
  if (shotColour(colour)) t.shots += sign;
  if (buoyColour(colour)) t.buoyCells += sign;
}

// How many flags are set, eight at a time: a bool is one byte, 0 or 1.
int countTrue(std::span<const bool, kCells> flags) {
  int count = 0;
  std::size_t k = 0;
  for (; k + 8 <= flags.size(); k += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, flags.data() + k, sizeof word);
    count += std::popcount(word);
  }
  for (; k < flags.size(); ++k) count += flags[k];
  return count;
}

// The fleet's part of the tally, on a tally whose shipAt is clear: where
// each ship lies, how many of its slots are hit, and whether it is sunk.
void countFleet(const Frmsea& game, Tally& t) {
  for (int j = 0; j < kSlots; ++j) {
    const int cell = game.shipcell[j];
    require(within(cell, 0, kCells - 1), "a ship slot holds no cell of the grid");
    require(t.shipAt[cell] == -1, "two ship slots hold the same cell");
    t.shipAt[cell] = shipOfSlot(j);
    t.slotsHit[shipOfSlot(j)] += game.cellhit[j];
  }
  for (int s = 0; s < kShips; ++s) {
    t.sunk[s] = t.slotsHit[s] == classOf(s).cells;
    t.sunkShips += t.sunk[s];
  }
}

Tally tally(const Frmsea& game, bool fleetPlaced) {
  Tally t;
  t.shipAt.fill(-1);
  if (fleetPlaced) countFleet(game, t);
  const Screen& screen = game.screen();
  for (CellColour colour : screen.cellColour) countColour(t, colour, 1);
  t.enabledCells = countTrue(screen.cellEnabled);
  t.shownCells = countTrue(screen.cellShown());
  return t;
}

// The rules on one cell: its colour, its flags, and once a game has begun,
// its agreement with the fleet.
void checkCell(const Frmsea& g, const Tally& t, bool started, int k) {
  const CellColour c = g.screen().cellColour[k];
  require(legendColour(c), "a cell has a colour outside the legend");
  require(isFlag(g.occupied[k]) && isFlag(g.shot[k]), "occupied or shot holds more than a flag");
  if (!started) return;
  const int ship = t.shipAt[k];
  require(g.occupied[k] == (ship >= 0 && !t.sunk[ship]), "occupied is not exactly the cells of the ships afloat");
  if (ship < 0) require(!hitColour(c), "a cell without a ship is red or black");
  if (shotColour(c)) require(g.shot[k] == 1, "a cell fired at is not marked as shot");
}

void checkFieldRanges(const Frmsea& g) {
  require(g.occupied[kCells] == 0 && g.shot[kCells] == 0, "entry 750, which is no cell, was written");
  for (std::int16_t hit : g.cellhit) require(isFlag(hit), "cellhit holds more than a flag");
  for (std::int16_t used : g.buoyused) require(isFlag(used), "buoyused holds more than a flag");
  for (int s = 0; s < kShips; ++s) require(within(g.hits[s], 0, classOf(s).endStep), "a ship's step is out of range");
  require(isFlag(g.busy) && isFlag(g.buoymode) && isFlag(g.buoybusy), "busy or a buoy flag holds more than a flag");
  require(within(g.hitship, 0, kShips - 1) && within(g.hitslot, 0, kSlots - 1), "hitship or hitslot out of range");
  require(within(g.markerstep, 0, 20) && within(g.hitcount, 0, kSlots), "markerstep or hitcount out of range");
  require(within(g.lastshot, 0, kCells - 1) && within(g.buoycell, 0, kCells - 1), "lastshot or buoycell off the grid");
  require(within(g.buoykind, 0, 4) && within(g.buoyzone, 0, 7), "buoykind or buoyzone out of range");
  require(within(g.buoyheard, -1, 29) && within(g.buoyflash, 0, 29) && within(g.buoyround, 0, 4),
          "a buoy counter is out of range");
  for (int image : g.screen().panelImage) require(within(image, -1, kShipImages - 1), "a panel slot shows no picture");
}

// cellhit and the colours of the fleet's cells agree with the fleet.
void checkFleet(const Frmsea& g, const Tally& t, bool fleetPlaced) {
  if (!fleetPlaced) return;
  for (int j = 0; j < kSlots; ++j) {
    const CellColour c = g.screen().cellColour[g.shipcell[j]];
    const int ship = shipOfSlot(j);
    require((g.cellhit[j] == 1) == hitColour(c), "cellhit is not exactly the slots whose cell was hit");
    require(!t.sunk[ship] || c == CellColour::Black, "a sunk ship has a cell that is not black");
    require(t.sunk[ship] || c != CellColour::Black, "a ship afloat has a black cell");
  }
}

void checkPanel(const Moment& m, const Tally& t) {
  const Frmsea& g = m.game;
  for (int s = 0; s < kShips; ++s) {
    const ShipClassInfo& info = classOf(s);
    const int step = g.hits[s];
    if (t.sunk[s]) {
      require(step >= info.cells, "a sunk ship's panel never showed its sinking");
      const bool sinkingNow = s == g.hitship && m.timers.enabled(Timer::Tmr3);
      require(step == info.endStep || sinkingNow || !g.screen().stopEnabled,
              "a sunk ship's sinking sequence stopped before its life ring");
    } else {
      require(step == t.slotsHit[s], "a ship afloat shows another number of hits than it took");
    }
    const int image = step == info.endStep ? kLifeRingImage : info.intactImage + step;
    require(g.screen().panelImage[s] == image, "a panel slot shows another picture than its ship's state");
  }
}

void checkScore(const Frmsea& g, const Tally& t) {
  int buoyCosts = 0;
  for (int k = 0; k < 5; ++k) buoyCosts += g.buoyused[k] * 10 * (k + 1);
  require(g.score == 1000 - t.shots - buoyCosts + 200 * t.sunkShips,
          "the score is not 1000 - shots - buoy costs + 200 x ships sunk");
  require(within(g.score, 100, 2969), "the score left 100..2969");
  require(g.screen().scoreCaption == scoreText(g.score), "the score label does not show the score");
}

// A sinking holds the grid for a while, never for good.
void checkBusy(const Moment& m) {
  const Frmsea& g = m.game;
  const bool sinking = m.timers.enabled(Timer::Tmr3);
  require(!sinking || g.busy == 1, "a sinking sequence runs with the grid open");
  if (sinking) {
    const int step = g.hits[g.hitship];
    require(step >= classOf(g.hitship).cells && step < classOf(g.hitship).endStep,
            "the sinking sequence runs for a ship that is not sinking");
  }
  if (g.busy == 1 && g.screen().stopEnabled) {
    require(sinking, "busy stays 1 with no sinking sequence to clear it");
    require(m.now - m.busySince <= kLongestSinkingMs, "busy stays 1 longer than any sinking sequence");
  }
}

// The buoy panel is Idle, Pending or Listening, and a cycle always ends.
void checkBuoys(const Moment& m, const Tally& t, bool over) {
  const Frmsea& g = m.game;
  const bool cycleTimer = m.timers.enabled(Timer::Tmr5) || m.timers.enabled(Timer::Tmr6);
  require(g.buoymode == 1 || g.buoybusy == 0, "a buoy listens that was never bought");
  require(!(m.timers.enabled(Timer::Tmr5) && m.timers.enabled(Timer::Tmr6)), "a buoy pauses and flashes at once");
  require(!cycleTimer || g.buoybusy == 1, "a buoy cycle runs with no buoy dropped");
  require(t.buoyCells <= 1, "more than one cell shows a buoy");
  if (t.buoyCells == 1) require(buoyColour(g.screen().cellColour[g.buoycell]), "a buoy colour away from the buoy");
  if (over || !g.screen().stopEnabled) {
    require(!anyShown(g, Control::Cmdbuoy) && !shown(g, Control::Lbllbuoy), "the buoy panel shows with no game to play");
  }
  if (!g.screen().stopEnabled) return;  // Stop playing froze whatever ran

  if (g.buoybusy == 1) {
    require(cycleTimer, "a dropped buoy has stopped flashing and never ends");
    require(t.buoyCells == 1, "a listening buoy's cell does not show it");
    require(m.now - m.droppedAt <= kLongestBuoyCycleMs, "a buoy cycle runs longer than any can");
  } else {
    require(t.buoyCells == 0, "a buoy colour stays on the grid after its cycle");
  }
  if (g.buoymode == 1) {
    require(!anyShown(g, Control::Cmdbuoy), "buoy buttons show while a buoy is out");
    require(g.buoybusy == 1 || g.screen().buoyCaption == kBuoyPendingCaption, "a pending buoy is not asked for");
    require(g.buoybusy == 0 || !shown(g, Control::Lbllbuoy), "the buoy label shows while a buoy listens");
  } else {
    require(!shown(g, Control::Lbllbuoy) || g.screen().buoyCaption == kBuoyIdleCaption,
            "the idle buoy panel shows the pending caption");
    // Once every ship cell is hit, a buoy cycle that ends in the last sinking
    // leaves the panel hidden: no buoy bought then could be dropped.
    const bool decided = everyShipCellHit(g);
    if (!over) {
      bool unused = false;
      for (int k = 0; k < 5; ++k) {
        const bool shows = shown(g, Control::Cmdbuoy, k);
        require(decided ? !shows || g.buoyused[k] == 0 : shows == (g.buoyused[k] == 0),
                "a buoy button shows that was used, or hides unused");
        unused = unused || g.buoyused[k] == 0;
      }
      require(decided ? !shown(g, Control::Lbllbuoy) || unused : shown(g, Control::Lbllbuoy) == unused,
              "the buoy label does not show exactly while buoys are left");
    }
  }
}

void checkMarker(const Moment& m) {
  const Frmsea& g = m.game;
  const bool bars = shown(g, Control::Lblexp, 0);
  for (int n = 1; n < 4; ++n) require(shown(g, Control::Lblexp, n) == bars, "the marker bars blink apart");
  if (m.timers.enabled(Timer::Tmr4)) {
    require(g.markerstep < 20, "the marker runs past its 20 steps");
  } else {
    require(!bars, "the marker frame stays on with no marker running");
  }
}

// Title, Placing, Playing or Over, and the menu and grid of each.
void checkPhase(const Moment& m, const Tally& t, bool over) {
  const Frmsea& g = m.game;
  const Screen& screen = g.screen();
  require(m.timers.enabled(Timer::Tmr1), "the random sequence stopped");
  if (shown(g, Control::Pic1)) {
    require(screen.startEnabled && !screen.stopEnabled, "the title shows without Start offered alone");
    require(t.shownCells == 0 && !anyShown(g, Control::Picship2) && !shown(g, Control::Lblscore2),
            "game controls show over the title");
    for (int n = 2; n <= 6; ++n) require(!m.timers.enabled(timerNumber(n)), "a game timer runs under the title");
    return;
  }
  require(m.started && screen.stopEnabled, "a game shows without Stop playing offered");
  if (m.timers.enabled(Timer::Tmr2) || !m.fleetPlaced) {
    require(m.timers.enabled(Timer::Tmr2) && !m.fleetPlaced, "a game waits for a fleet that never comes");
    require(t.shownCells == 0, "grid cells show before the fleet is placed");
    require(!screen.startEnabled, "Start is offered while the fleet is being placed");
    return;
  }
  require(t.shownCells == kCells, "the grid shows only in part");
  require(t.enabledCells == 0 || t.enabledCells == kCells, "the grid takes clicks only in part");
  require(screen.startEnabled == over, "Start is not offered exactly when the game is over");
  const bool allHit = everyShipCellHit(g);
  require(!over || allHit, "the game ended with ship cells not hit");
  require(over || !allHit || m.timers.enabled(Timer::Tmr4), "every ship is sunk and the game never ends");
}

// Every rule but those on each cell, given the tally of the grid.
void checkAllButCells(const Moment& m, const Tally& t) {
  const Frmsea& g = m.game;
  checkFieldRanges(g);
  if (!m.started) {
    require(g.score == 0 && t.shownCells == 0, "the game changed before Start was chosen");
    checkPhase(m, t, false);
    return;
  }
  const bool over = m.fleetPlaced && t.enabledCells == 0;
  checkFleet(g, t, m.fleetPlaced);
  checkPanel(m, t);
  checkScore(g, t);
  checkBusy(m);
  checkBuoys(m, t, over);
  checkMarker(m);
  checkPhase(m, t, over);
}

// Element by element: for arrays as short as the fleet's, cheaper than a
// memcmp, which the sanitizers and the fuzzer intercept at every call.
template <typename T, std::size_t N>
bool same(const std::array<T, N>& a, const std::array<T, N>& b) {
  for (std::size_t k = 0; k < N; ++k) {
    if (a[k] != b[k]) return false;
  }
  return true;
}

// Calls `changed` with every index below kCells where the two differ. Blocks
// of 256 bytes are compared whole first: most events change a cell or two.
template <typename T, std::size_t N, typename Changed>
void forEachChange(const std::array<T, N>& was, const T* now, Changed changed) {
  constexpr int kBlock = static_cast<int>(256 / sizeof(T));
  if (std::memcmp(was.data(), now, kCells * sizeof(T)) == 0) return;
  for (int start = 0; start < kCells; start += kBlock) {
    const int end = std::min(start + kBlock, kCells);
    if (std::memcmp(was.data() + start, now + start, static_cast<std::size_t>(end - start) * sizeof(T)) == 0) continue;
    for (int k = start; k < end; ++k) {
      if (was[k] != now[k]) changed(k);
    }
  }
}

}  // namespace

RuleWatch::Grid RuleWatch::gridOf(const Moment& m) {
  const Frmsea& g = m.game;
  Grid grid{g.screen().cellColour, g.screen().cellEnabled, {}, g.occupied, g.shot, g.shipcell, g.cellhit,
            m.started, m.fleetPlaced};
  const auto shown = g.screen().cellShown();
  std::copy(shown.begin(), shown.end(), grid.shown.begin());
  return grid;
}

void RuleWatch::checkEveryCell(const Moment& m) {
  changed_.fill(false);  // what a check broken off had marked
  tally_ = tally(m.game, m.started && m.fleetPlaced);
  for (int k = 0; k < kCells; ++k) checkCell(m.game, tally_, m.started, k);
  grid_ = gridOf(m);
}

// Only what changed since the last check can break a cell's rule or move
// the tally: a cell's colour or flags, or the fleet, whose cells before and
// after are all looked at again. Which cells show or take clicks moves a
// count and no cell's rule.
void RuleWatch::checkChanges(const Moment& m) {
  const Frmsea& g = m.game;
  const Screen& screen = g.screen();
  int count = 0;
  const auto mark = [&](int k) {
    if (!changed_[k]) changedCells_[count++] = k;
    changed_[k] = true;
  };
  const bool wasCounted = grid_.started && grid_.fleetPlaced;
  const bool counted = m.started && m.fleetPlaced;
  if (wasCounted != counted || !same(grid_.shipcell, g.shipcell) || !same(grid_.cellhit, g.cellhit)) {
    if (wasCounted) {
      for (GridIndex cell : grid_.shipcell) {
        mark(cell);
        tally_.shipAt[cell] = -1;
      }
    }
    tally_.slotsHit = {};
    tally_.sunk = {};
    tally_.sunkShips = 0;
    if (counted) {
      countFleet(g, tally_);
      for (GridIndex cell : g.shipcell) mark(cell);
    }
    grid_.shipcell = g.shipcell;
    grid_.cellhit = g.cellhit;
    grid_.fleetPlaced = m.fleetPlaced;
  }
  if (std::memcmp(grid_.enabled.data(), screen.cellEnabled.data(), sizeof grid_.enabled) != 0) {
    tally_.enabledCells = countTrue(screen.cellEnabled);
    grid_.enabled = screen.cellEnabled;
  }
  if (std::memcmp(grid_.shown.data(), screen.cellShown().data(), sizeof grid_.shown) != 0) {
    tally_.shownCells = countTrue(screen.cellShown());
    std::copy(screen.cellShown().begin(), screen.cellShown().end(), grid_.shown.begin());
  }
  forEachChange(grid_.colour, screen.cellColour.data(), mark);
  forEachChange(grid_.occupied, g.occupied.data(), mark);
  forEachChange(grid_.shot, g.shot.data(), mark);
  for (int n = 0; n < count; ++n) {
    const int k = changedCells_[n];
    changed_[k] = false;
    countColour(tally_, grid_.colour[k], -1);
    countColour(tally_, screen.cellColour[k], 1);
    grid_.colour[k] = screen.cellColour[k];
    grid_.occupied[k] = g.occupied[k];
    grid_.shot[k] = g.shot[k];
  }
  for (int n = 0; n < count; ++n) checkCell(g, tally_, m.started, changedCells_[n]);
}

void RuleWatch::check(const Moment& m) {
  const bool incremental = checked_ && grid_.started == m.started;
  checked_ = false;  // a breach leaves the next check to look at every cell
  if (incremental) {
    checkChanges(m);
  } else {
    checkEveryCell(m);
  }
  checked_ = true;
  checkAllButCells(m, tally_);
}

void checkRules(const Moment& moment) { RuleWatch().check(moment); }

void checkFreshGame(const Frmsea& game, const Timers& timers) {
  require(game.busy == 0 && game.buoymode == 0 && game.buoybusy == 0, "Start carries busy or a buoy into the new game");
  require(game.screen().buoyCaption == kBuoyIdleCaption, "Start keeps the pending buoy caption");
  for (int n = 3; n <= 6; ++n) require(!timers.enabled(timerNumber(n)), "Start leaves a sinking, marker or buoy timer on");
  require(timers.enabled(Timer::Tmr2), "Start does not arm the placement");
  require(!shown(game, Control::Lblexp, 0), "Start leaves the marker frame on");
  require(countTrue(game.screen().cellShown()) == 0, "Start shows the grid before the fleet is placed");
  for (int k = 0; k < 5; ++k) require(shown(game, Control::Cmdbuoy, k), "Start does not offer every buoy");
  require(game.score == 1000, "Start does not set the score to 1000");
}

void checkFleetLayout(const Frmsea& game) {
  Tally t;  // where the ships lie is all this needs
  t.shipAt.fill(-1);
  countFleet(game, t);
  for (int k = 0; k < kCells; ++k) {
    if (t.shipAt[k] < 0) continue;
    for (int dr = -1; dr <= 1; ++dr) {
      for (int dc = -1; dc <= 1; ++dc) {
        const int row = rowOf(k) + dr;
        const int column = columnOf(k) + dc;
        if (!onGrid(row, column)) continue;
        const int other = t.shipAt[row * kColumns + column];
        require(other < 0 || other == t.shipAt[k], "two ships touch");
      }
    }
  }
}

}  // namespace kalvenor::fuzz
