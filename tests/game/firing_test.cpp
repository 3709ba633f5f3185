// SPDX-License-Identifier: GPL-3.0-or-later
// Firing: shots and their score, hits traced to their ships, the damage
// panel and sinking sequences on the clock, the hit marker and the end of
// the game.

#include "harness.h"

namespace kalvenor::testing {
namespace {

class Firing : public ::testing::Test {
 protected:
  void SetUp() override { h.startWithFleet(kSampleFleet); }

  // Hits every cell of a ship but the last, waiting out nothing.
  void damage(int ship) {
    const std::vector<int> cells = shipCells(h.game, ship);
    for (std::size_t n = 0; n + 1 < cells.size(); ++n) h.click(cells[n]);
  }
  int lastCell(int ship) { return shipCells(h.game, ship).back(); }

  Harness h;
};

TEST_F(Firing, AMissCostsAPointAndTurnsTheCellCyan) {
  h.click(700);
  EXPECT_EQ(h.game.score, 999);
  EXPECT_EQ(h.screen().scoreCaption, " 999");
  EXPECT_EQ(h.screen().cellColour[700], CellColour::Cyan);
  EXPECT_EQ(h.game.shot[700], 1);
  EXPECT_EQ(h.game.lastshot, 700);
  EXPECT_EQ(h.game.busy, 0);
}

TEST_F(Firing, AHitThatDoesNotSinkTurnsRedAndReleasesTheGridAtOnce) {
  h.click(600);
  EXPECT_EQ(h.game.score, 999);
  EXPECT_EQ(h.screen().cellColour[600], CellColour::Red);
  EXPECT_EQ(h.game.hitslot, 23);
  EXPECT_EQ(h.game.hitship, 6);
  EXPECT_EQ(h.game.cellhit[23], 1);
  EXPECT_EQ(h.game.busy, 0);
  EXPECT_EQ(h.game.occupied[600], 1);
  EXPECT_EQ(h.screen().panelImage[6], 44);
}

TEST_F(Firing, ASinkingShotNetsOneHundredNinetyNine) {
  h.click(600);
  const int before = h.game.score;
  h.click(630);
  EXPECT_EQ(h.game.score - before, 199);
  EXPECT_EQ(h.screen().scoreCaption, " 1198");
  EXPECT_EQ(h.screen().cellColour[600], CellColour::Black);
  EXPECT_EQ(h.screen().cellColour[630], CellColour::Black);
  EXPECT_EQ(h.game.occupied[600], 0);
  EXPECT_EQ(h.game.occupied[630], 0);
  EXPECT_EQ(h.game.busy, 1);
}

TEST_F(Firing, TheSlotRangesGiveTheShip) {
  const struct {
    int slot, ship;
  } cases[] = {{5, 0}, {6, 1}, {13, 2}, {14, 3}, {22, 5}, {23, 6}, {28, 8}, {29, 9}, {30, 9}};
  for (const auto& c : cases) {
    h.click(kSampleFleet[c.slot]);
    h.advance(1300);
    EXPECT_EQ(h.game.hitship, c.ship) << "slot " << c.slot;
  }
}

TEST_F(Firing, ClicksOnFiredCellsChangeOnlyShotAndLastshot) {
  h.click(700);  // cyan
  h.click(1);    // red
  h.click(600);
  h.click(630);  // black
  h.advance(700);
  for (int cell : {700, 1, 600}) {
    const Screen before = h.screen();
    const std::int16_t score = h.game.score;
    h.sound.clearLog();
    h.game.lastshot = 0;
    h.click(cell);
    EXPECT_EQ(h.game.lastshot, cell);
    EXPECT_EQ(h.game.score, score);
    EXPECT_EQ(h.screen(), before);
    EXPECT_TRUE(h.sound.log().empty());
  }
}

TEST_F(Firing, ClicksAreIgnoredWhileASinkingSequenceRuns) {
  h.click(600);
  h.click(630);
  const std::int16_t score = h.game.score;
  h.click(700);
  h.click(1);
  EXPECT_EQ(h.game.score, score);
  EXPECT_EQ(h.game.shot[700], 0);
  EXPECT_EQ(h.screen().cellColour[1], CellColour::Grey);
  h.advance(600);
  EXPECT_EQ(h.game.busy, 0);
  h.click(700);
  EXPECT_EQ(h.game.shot[700], 1);
}

TEST_F(Firing, TheGameTellsEachShotWithItsShipAndEachClickItIgnores) {
  h.events.log.clear();
  h.click(700);
  h.click(600);
  h.click(630);
  h.click(1);
  h.click(2);
  EXPECT_EQ(h.events.log, (std::vector<std::string>{"score 999", "shot 700 miss", "score 998", "hit ship 6, 1 cells",
                                                    "shot 600 hit", "score 997", "score 1197",
                                                    "hit ship 6, 2 cells", "sunk ship 6", "shot 630 sunk", "refused 1",
                                                    "refused 2"}));
  h.events.log.clear();
  h.advance(600);
  h.click(700);  // fired at before: no shot to tell
  EXPECT_TRUE(h.events.log.empty());
}

// The panel images of one sinking, tick by tick, and the moment the grid
// opens again: E - N ticks of 100 ms after the sinking hit.
struct SinkingCase {
  int ship;
  std::vector<int> hitImages;      // after each hit
  std::vector<int> sinkingImages;  // at 100, 200, ... ms after the last hit
};

TEST_F(Firing, EveryClassSinksThroughItsImagesToTheLifeRing) {
  const SinkingCase cases[] = {
      {0, {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12, 13, 14, 51}},
      {1, {16, 17, 18, 19}, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 51}},
      {4, {32, 33, 34}, {35, 36, 37, 38, 39, 40, 41, 42, 51}},
      {9, {44, 45}, {46, 47, 48, 49, 50, 51}},
  };
  for (const SinkingCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "ship " << c.ship);
    const std::vector<int> cells = shipCells(h.game, c.ship);
    for (std::size_t n = 0; n < cells.size(); ++n) {
      h.click(cells[n]);
      EXPECT_EQ(h.screen().panelImage[c.ship], c.hitImages[n]);
      EXPECT_EQ(h.game.busy, n + 1 < cells.size() ? 0 : 1);
    }
    for (std::size_t tick = 0; tick < c.sinkingImages.size(); ++tick) {
      EXPECT_EQ(h.game.busy, 1);
      h.advance(100);
      EXPECT_EQ(h.screen().panelImage[c.ship], c.sinkingImages[tick]) << "tick " << tick + 1;
    }
    EXPECT_EQ(h.game.busy, 0);
    EXPECT_FALSE(h.timer(Timer::Tmr3));
    EXPECT_EQ(h.game.hits[c.ship], classOf(c.ship).endStep);
  }
  // Ships of one class keep their own panels.
  EXPECT_EQ(h.screen().panelImage[2], 15);
  EXPECT_EQ(h.screen().panelImage[3], 31);
  EXPECT_EQ(h.screen().panelImage[5], 31);
}

TEST_F(Firing, TheMarkerBlinksTwentyStepsAroundTheHitShip) {
  h.click(kSampleFleet[0]);  // ship 0
  for (int step = 1; step <= 20; ++step) {
    h.advance(10);
    EXPECT_EQ(h.game.markerstep, step);
    EXPECT_EQ(h.screen().shown(Control::Lblexp, 0), step % 2 == 1 && step < 20) << "step " << step;
    EXPECT_EQ(h.screen().shown(Control::Lblexp, 3), step % 2 == 1 && step < 20);
  }
  EXPECT_FALSE(h.timer(Timer::Tmr4));
  EXPECT_EQ(h.screen().markerPosition,
            (std::array<TwipPoint, 4>{{{7440, 480}, {7440, 1560}, {7440, 480}, {10560, 480}}}));
  h.advance(100);
  EXPECT_EQ(h.game.markerstep, 20);

  h.click(kSampleFleet[29]);  // ship 9
  h.advance(10);
  EXPECT_EQ(h.screen().markerPosition,
            (std::array<TwipPoint, 4>{{{10680, 4800}, {10680, 5880}, {10680, 4800}, {13800, 4800}}}));
}

TEST_F(Firing, AHitDuringARunningMarkerMovesItAndStartsItsCountAgain) {
  h.click(kSampleFleet[0]);
  h.advance(50);  // step 5: frame shown
  ASSERT_TRUE(h.screen().shown(Control::Lblexp, 0));
  h.click(kSampleFleet[6]);  // ship 1
  EXPECT_EQ(h.game.markerstep, 0);
  h.advance(10);
  EXPECT_EQ(h.game.markerstep, 1);
  EXPECT_FALSE(h.screen().shown(Control::Lblexp, 0));  // goes on from its visibility
  EXPECT_EQ(h.screen().markerPosition[0], (TwipPoint{10680, 480}));
  h.advance(190);
  EXPECT_FALSE(h.timer(Timer::Tmr4));
}

TEST_F(Firing, TheGameEndsOnTheMarkerTickAfterTheLastSlotIsHit) {
  for (int s = 0; s < kShips; ++s) {
    damage(s);
    if (s < kShips - 1) {
      h.click(lastCell(s));
      h.advance(1300);
    }
  }
  h.click(lastCell(9));
  EXPECT_FALSE(h.screen().startEnabled);
  EXPECT_EQ(h.screen().enabledCells(), kCells);
  h.advance(10);
  EXPECT_EQ(h.game.hitcount, 31);
  EXPECT_TRUE(h.screen().startEnabled);
  EXPECT_TRUE(h.screen().stopEnabled);
  EXPECT_EQ(h.screen().enabledCells(), 0);
  EXPECT_EQ(h.screen().shownCells(), kCells);
  for (int k = 0; k < 5; ++k) EXPECT_FALSE(h.screen().shown(Control::Cmdbuoy, k));
  EXPECT_FALSE(h.screen().shown(Control::Lbllbuoy));
  EXPECT_TRUE(h.timer(Timer::Tmr3));  // the last sinking runs on
  h.advance(600);
  EXPECT_EQ(h.screen().panelImage[9], 51);
  EXPECT_EQ(h.game.score, 1000 - 31 + 2000);
}

TEST_F(Firing, AFinishedGameTellsItsFinalScoreOnce) {
  for (int s = 0; s < kShips; ++s) {
    damage(s);
    h.click(lastCell(s));
    h.advance(1300);  // the marker's 20 ticks each run the end-of-game test
  }
  EXPECT_EQ(h.events.finishedScores, (std::vector<std::int16_t>{1000 - 31 + 2000}));
}

TEST_F(Firing, ShotSoundsFollowTheSoundCheckMark) {
  h.sound.clearLog();
  h.click(600);
  EXPECT_EQ(h.sound.log(), (std::vector<std::string>{"1 switch 52 true", "1 file Kalvenorw1.wav", "1 Open", "1 Play"}));
  EXPECT_TRUE(h.timer(Timer::Tmr7));
  h.sound.clearLog();
  h.click(700);
  EXPECT_EQ(h.sound.log(), (std::vector<std::string>{"2 switch 52 true", "2 file Kalvenorw2.wav", "2 Open", "2 Play"}));
  EXPECT_TRUE(h.timer(Timer::Tmr8));
  h.advance(800);
  EXPECT_FALSE(h.timer(Timer::Tmr7));
  EXPECT_FALSE(h.timer(Timer::Tmr8));

  h.game.mnusoundClick();
  h.sound.clearLog();
  h.click(1);
  h.click(701);
  EXPECT_TRUE(h.sound.log().empty());
  EXPECT_FALSE(h.timer(Timer::Tmr7));
  EXPECT_FALSE(h.timer(Timer::Tmr8));
}

TEST_F(Firing, ASecondShotSoundWithin800MillisecondsIsHeardWhole) {
  h.advance(1700);  // the start-up sound is over
  h.click(700);
  h.advance(500);
  h.sound.clearLog();
  h.click(701);
  h.advance(500);  // the first sound's stop time has passed
  EXPECT_TRUE(h.sound.log().size() == 4u) << "the second miss sound was stopped early";
  h.advance(300);
  EXPECT_EQ(h.sound.log().back(), "2 Close");
}

TEST_F(Firing, AHitSoundTakesChannelOneFromTheStartUpSound) {
  h.advance(1000);
  h.click(600);
  h.advance(700);  // the start-up sound's stop time
  EXPECT_EQ(h.sound.log().back(), "1 Play");
  h.advance(100);
  EXPECT_EQ(h.sound.log().back(), "1 Close");
}

}  // namespace
}  // namespace kalvenor::testing
