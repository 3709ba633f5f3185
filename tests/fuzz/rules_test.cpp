// SPDX-License-Identifier: GPL-3.0-or-later
// The watcher catches the faults it is there for: each test breaks one rule
// in a real game and expects the breach that names it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>

#include "breach.h"
#include "checked_game.h"
#include "checking_sound.h"
#include "rules.h"

namespace kalvenor::fuzz {
namespace {

using ::testing::HasSubstr;

std::string breachOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Breach& breach) {
    return breach.what();
  }
  return "";
}

// A game whose fleet has just been placed, to be broken by hand.
struct PlacedGame {
  NullView view;
  VirtualClock clock;
  NullSound sound;
  UniformRandom random{7};
  Frmsea game{view, clock, sound, random};
  std::int64_t busySince = 0;

  PlacedGame() {
    game.formLoad();
    game.mnustartClick();
    advance(500);
  }
  void advance(std::int64_t ms) {
    clock.advance(ms, [this](Timer t) { game.onTimer(t); });
  }
  void sink(int ship) {
    const int first = kFleet[ship].firstSlot;
    for (int j = first; j < first + classOf(ship).cells; ++j) game.picareaClick(game.shipcell[j]);
    busySince = clock.now();
  }
  Moment moment() const { return {game, clock, clock.now(), true, true, busySince, 0}; }
  // Checked as the fuzzer checks, by one watch that remembers its last grid.
  std::string check() {
    return breachOf([this] { watch.check(moment()); });
  }
  RuleWatch watch;
};

TEST(Rules, HoldInAGameAsItIsPlayed) {
  PlacedGame g;
  EXPECT_EQ(g.check(), "");
  g.sink(9);
  EXPECT_EQ(g.check(), "");
  g.advance(kLongestSinkingMs);
  EXPECT_EQ(g.check(), "");
  g.game.cmdbuoyClick(2);
  EXPECT_EQ(g.check(), "");
}

// The watch skips the cell by cell rules only while the grid is as it last
// found it sound: a cell changed since, or any other field, is still caught.
TEST(Rules, AWatchThatFoundTheGridSoundStillCatchesWhatChangesAfter) {
  PlacedGame g;
  ASSERT_EQ(g.check(), "");
  g.game.shot[3] = 2;
  EXPECT_THAT(g.check(), HasSubstr("occupied or shot holds more than a flag"));
  g.game.shot[3] = 0;
  ASSERT_EQ(g.check(), "");
  g.game.score = static_cast<std::int16_t>(g.game.score + 1);
  EXPECT_THAT(g.check(), HasSubstr("the score is not"));
  g.game.score = static_cast<std::int16_t>(g.game.score - 1);
  ASSERT_EQ(g.check(), "");
  const int miss = g.game.occupied[0] == 0 ? 0 : 749;
  g.game.picareaClick(miss);
  g.game.shot[miss] = 0;
  EXPECT_THAT(g.check(), HasSubstr("a cell fired at is not marked as shot"));
}

// The watch looks again only at what changed since its last check. At every
// step of three games it must reach the verdict a look at the whole game
// reaches: one watch sees each step as played, another sees it first with a
// field broken (as a handler that forgot a write, or wrote a wrong one,
// would leave it) and then mended.
TEST(Rules, AWatchJudgesEveryStepAsAFreshLookDoes) {
  PlacedGame g;
  RuleWatch asPlayed;
  std::mt19937 pick(11);
  const auto below = [&](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
  // As the window lets a player: only what shows and takes clicks.
  const auto click = [&](Control control, int index) {
    if (!g.game.clickable(control, index)) return;
    if (control == Control::Picarea) g.game.picareaClick(index);
    if (control == Control::Cmdbuoy) g.game.cmdbuoyClick(index);
  };
  int games = 1;
  int breaches = 0;
  std::int64_t droppedAt = 0;
  for (int step = 0; step < 9000 && games <= 3; ++step) {
    const auto occupiedBefore = g.game.occupied;
    const auto shotBefore = g.game.shot;
    const auto cellhitBefore = g.game.cellhit;
    switch (below(5)) {
      case 0: click(Control::Picarea, below(kCells)); break;
      case 1: click(Control::Picarea, g.game.shipcell[below(kSlots)]); break;
      case 2: g.advance(below(300)); break;
      case 3: click(Control::Cmdbuoy, below(5)); break;
      case 4:
        if (g.game.screen().startEnabled) {
          g.game.mnustartClick();
          ++games;
        }
        break;
    }
    if (g.game.busy == 0) g.busySince = g.clock.now();
    if (g.game.buoybusy == 0) droppedAt = g.clock.now();
    const Moment moment{g.game, g.clock, g.clock.now(), true, !g.clock.enabled(Timer::Tmr2), g.busySince, droppedAt};
    const auto judged = [&](RuleWatch& watch) {
      const std::string fresh = breachOf([&] { checkRules(moment); });
      breaches += !fresh.empty();
      return std::pair(breachOf([&] { watch.check(moment); }), fresh);
    };
    const auto [played, freshPlayed] = judged(asPlayed);
    ASSERT_EQ(played, freshPlayed) << "step " << step;

    const auto occupied = g.game.occupied;
    const auto shot = g.game.shot;
    const auto cellhit = g.game.cellhit;
    const int ship = below(kShips);
    const auto shipcell = g.game.shipcell;
    switch (below(9)) {
      case 0: g.game.occupied[below(kCells)] ^= 1; break;
      case 1: g.game.occupied[g.game.shipcell[below(kSlots)]] ^= 1; break;
      case 2: g.game.shot[below(kCells)] ^= 1; break;
      case 3: g.game.cellhit[below(kSlots)] ^= 1; break;
      case 4:  // a ship sunk behind the grid's back
        for (int j = kFleet[ship].firstSlot; j < kFleet[ship].firstSlot + classOf(ship).cells; ++j) g.game.cellhit[j] = 1;
        break;
      case 5: g.game.occupied = occupiedBefore; break;
      case 6: g.game.shot = shotBefore; break;
      case 7: g.game.cellhit = cellhitBefore; break;
      case 8: g.game.shipcell[below(kSlots)] = g.game.shipcell[below(kSlots)]; break;  // two slots, one cell
    }
    const auto [broken, freshBroken] = judged(g.watch);
    ASSERT_EQ(broken, freshBroken) << "step " << step << ", broken";
    g.game.occupied = occupied;
    g.game.shot = shot;
    g.game.cellhit = cellhit;
    g.game.shipcell = shipcell;
    const auto [mended, freshMended] = judged(g.watch);
    ASSERT_EQ(mended, freshMended) << "step " << step << ", mended";
  }
  EXPECT_EQ(games, 4) << "three games were not played to their end";
  EXPECT_GT(breaches, 100);
}

TEST(Rules, CatchAFleetTheGameHasLostTrackOf) {
  PlacedGame g;
  g.sink(6);
  g.game.occupied[g.game.shipcell[23]] = 1;
  EXPECT_THAT(g.check(), HasSubstr("occupied is not exactly the cells of the ships afloat"));

  PlacedGame h;
  h.game.cellhit[4] = 1;
  EXPECT_THAT(h.check(), HasSubstr("cellhit is not exactly the slots whose cell was hit"));

  PlacedGame i;
  i.game.occupied[kCells] = 1;
  EXPECT_THAT(i.check(), HasSubstr("entry 750"));
}

TEST(Rules, CatchAScoreThatMissedASinking) {
  PlacedGame g;
  g.sink(7);
  g.game.score = static_cast<std::int16_t>(g.game.score - 200);
  EXPECT_THAT(g.check(), HasSubstr("the score is not 1000 - shots - buoy costs + 200 x ships sunk"));
}

TEST(Rules, CatchBusyLeftOnOrHeldTooLong) {
  PlacedGame g;
  g.game.busy = 1;  // as a sinking cut short by Stop playing would leave it
  EXPECT_THAT(g.check(), HasSubstr("busy stays 1 with no sinking sequence"));

  PlacedGame h;
  h.sink(1);
  h.advance(kLongestSinkingMs - 100);
  h.busySince -= 200;  // the sinking began longer ago than any can last
  EXPECT_THAT(h.check(), HasSubstr("busy stays 1 longer than any sinking sequence"));
}

TEST(Rules, CatchABuoyCycleThatCanNeverEnd) {
  PlacedGame g;
  g.game.cmdbuoyClick(0);
  g.game.picareaClick(g.game.shipcell[0]);
  EXPECT_EQ(g.check(), "");
  g.clock.setEnabled(Timer::Tmr6, false);  // as Stop playing would
  EXPECT_THAT(g.check(), HasSubstr("a dropped buoy has stopped flashing and never ends"));
}

TEST(Rules, CatchTheBuoyPanelOutOfStep) {
  PlacedGame g;
  g.game.cmdbuoyClick(1);
  g.game.poijuok();  // shows the four buttons left
  g.game.buoymode = 1;
  EXPECT_THAT(g.check(), HasSubstr("buoy buttons show while a buoy is out"));

  // A buoy whose cycle ends while the last ship sinks leaves the panel hidden:
  // the game is decided, and no buoy bought then could be dropped.
  PlacedGame last;
  for (int ship = 0; ship < 9; ++ship) {
    last.sink(ship);
    last.advance(2000);  // the sinking is over
  }
  last.game.cmdbuoyClick(3);
  int quiet = 0;
  while (last.game.occupied[quiet] == 1 || last.game.shot[quiet] == 1) ++quiet;
  last.game.picareaClick(quiet);
  last.sink(9);
  last.game.buoyround = 3;  // the cycle's last pause ends
  last.game.buoyheard = 0;
  last.game.tmr6Timer();
  EXPECT_EQ(last.game.busy, 1);
  EXPECT_EQ(last.check(), "");
}

TEST(Rules, CatchAGridShownBeforeItsFleet) {
  PlacedGame g;
  g.game.mnustopClick();
  g.game.mnustartClick();
  EXPECT_EQ(breachOf([&] { checkFreshGame(g.game, g.clock); }), "");
  g.game.naytaruudukko();
  const Moment placing{g.game, g.clock, g.clock.now(), true, false, 0, 0};
  EXPECT_THAT(breachOf([&] { checkRules(placing); }), HasSubstr("grid cells show before the fleet is placed"));
  EXPECT_THAT(breachOf([&] { checkFreshGame(g.game, g.clock); }), HasSubstr("Start shows the grid"));
}

TEST(Rules, CatchShipsThatTouch) {
  PlacedGame g;
  EXPECT_EQ(breachOf([&] { checkFleetLayout(g.game); }), "");
  // A cell of ship 9 moved to touch ship 8's last cell at a corner.
  const int corner = g.game.shipcell[28];
  ASSERT_TRUE(rowOf(corner) < kRows - 1 && columnOf(corner) < kColumns - 1);
  g.game.shipcell[29] = static_cast<GridIndex>(corner + kColumns + 1);
  EXPECT_THAT(breachOf([&] { checkFleetLayout(g.game); }), HasSubstr("two ships touch"));
}

struct TimedSound {
  VirtualClock clock;
  CheckingSound sound{clock};
  void play() {
    sound.setDeviceType(Channel::One, kWaveDevice);
    sound.setFileName(Channel::One, kHitWave);
    sound.command(Channel::One, SoundCommand::Open);
    sound.command(Channel::One, SoundCommand::Play);
  }
  void stop() { sound.command(Channel::One, SoundCommand::Stop); }
  void advance(std::int64_t ms) { clock.advance(ms, [](Timer) {}); }
};

TEST(SoundTiming, ASoundStoppedOnTimeIsWhole) {
  TimedSound t;
  t.play();
  t.advance(kShotSoundMs);
  EXPECT_EQ(breachOf([&] { t.sound.checkNothingOutlastsItsLength(); }), "");
  EXPECT_EQ(breachOf([&] { t.stop(); }), "");
}

TEST(SoundTiming, CatchASecondShotCutShortByTheFirstShotsTimer) {
  TimedSound t;
  t.play();
  t.advance(500);
  t.play();
  t.advance(kShotSoundMs - 500);
  EXPECT_THAT(breachOf([&] { t.stop(); }), HasSubstr("a sound is cut short"));
}

TEST(SoundTiming, CatchASoundLeftPlaying) {
  TimedSound t;
  t.play();
  t.advance(kShotSoundMs + 1);
  EXPECT_THAT(breachOf([&] { t.sound.checkNothingOutlastsItsLength(); }), HasSubstr("plays on past its length"));
}

TEST(Liveness, AFreshGamePlaysToItsEndWithEveryShipSunk) {
  CheckedGame game;
  EXPECT_EQ(breachOf([&] { game.playToTheEnd(); }), "");
  EXPECT_TRUE(game.game().screen().startEnabled);
  EXPECT_EQ(game.game().screen().enabledCells(), 0);
}

}  // namespace
}  // namespace kalvenor::fuzz
