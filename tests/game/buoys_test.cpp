// SPDX-License-Identifier: GPL-3.0-or-later
// Listening buoys: buying, the listening area at every edge, what a buoy
// hears, the flash cycle on the clock, and the panel after the cycle.

#include <set>

#include "harness.h"

namespace kalvenor::testing {
namespace {

class Buoys : public ::testing::Test {
 protected:
  void SetUp() override { h.startWithFleet(kSampleFleet); }
  void drop(int index, int cell) {
    h.clickBuoy(index);
    h.click(cell);
  }
  Harness h;
};

TEST_F(Buoys, APurchaseHidesEveryButtonAndCostsItsPrice) {
  for (int index = 0; index < 5; ++index) {
    Harness fresh;
    fresh.startWithFleet(kSampleFleet);
    fresh.clickBuoy(index);
    EXPECT_EQ(fresh.game.score, 1000 - 10 * (index + 1));
    EXPECT_EQ(fresh.screen().scoreCaption, scoreText(fresh.game.score));
    for (int k = 0; k < 5; ++k) {
      EXPECT_FALSE(fresh.screen().shown(Control::Cmdbuoy, k));
      EXPECT_EQ(fresh.game.buoyused[k], k == index ? 1 : 0);
    }
    EXPECT_EQ(fresh.game.buoymode, 1);
    EXPECT_EQ(fresh.screen().buoyCaption, kBuoyPendingCaption);
    EXPECT_TRUE(fresh.screen().shown(Control::Lbllbuoy));
  }
}

TEST_F(Buoys, ADropMarksTheCellAndCostsNothingMore) {
  h.clickBuoy(2);
  h.click(400);
  EXPECT_EQ(h.game.score, 970);
  EXPECT_EQ(h.game.shot[400], 0);
  EXPECT_EQ(h.game.buoycell, 400);
  EXPECT_EQ(h.game.buoybusy, 1);
  EXPECT_EQ(h.screen().cellColour[400], CellColour::DarkYellow);
  EXPECT_FALSE(h.screen().shown(Control::Lbllbuoy));
  EXPECT_TRUE(h.timer(Timer::Tmr6));
}

TEST_F(Buoys, AClickOnAFiredCellIsAShotAndTheBuoyStaysPending) {
  h.click(700);
  h.clickBuoy(0);
  h.click(700);
  EXPECT_EQ(h.game.buoymode, 1);
  EXPECT_EQ(h.game.buoybusy, 0);
  EXPECT_EQ(h.screen().cellColour[700], CellColour::Cyan);
  h.click(701);
  EXPECT_EQ(h.game.buoybusy, 1);
}

// The cells a buoy at `buoy` examines: those whose single ship cell it hears.
std::set<int> listeningArea(int buoy) {
  Harness h;
  h.startWithFleet({});
  std::set<int> heard;
  for (int x = 0; x < kCells; ++x) {
    h.game.occupied.fill(0);
    h.game.occupied[x] = 1;
    h.game.buoymode = 1;
    h.game.buoybusy = 0;
    h.game.picareaClick(buoy);
    if (h.game.buoyheard == 1) heard.insert(x);
  }
  return heard;
}

TEST(ListeningArea, TheDiscIsClippedAtEveryEdgeWithoutWrap) {
  EXPECT_EQ(listeningArea(0), (std::set<int>{0, 1, 2, 3, 30, 31, 32, 60, 61, 62, 90}));
  EXPECT_EQ(listeningArea(29), (std::set<int>{26, 27, 28, 29, 57, 58, 59, 87, 88, 89, 119}));
  EXPECT_EQ(listeningArea(720), (std::set<int>{630, 660, 661, 662, 690, 691, 692, 720, 721, 722, 723}));
  std::set<int> open = {285, 372, 373, 374, 375, 376, 377, 378, 465};
  for (int base : {313, 343, 403, 433}) {
    for (int k = base; k <= base + 4; ++k) open.insert(k);
  }
  EXPECT_EQ(listeningArea(375), open);
}

TEST(ListeningArea, SizesAndZonesAlongTheEdges) {
  const struct {
    int cell, size, zone;
  } cases[] = {{90, 18, 1},  {91, 23, 2},  {92, 28, 3},  {117, 28, 4}, {118, 23, 5}, {119, 18, 6},
               {630, 18, 1}, {659, 18, 6}, {375, 29, 7}, {15, 18, 0},  {735, 18, 0}, {749, 11, 0},
               {31, 18, 0},  {33, 23, 0},  {2, 17, 0},  {1, 14, 0},  {32, 22, 0},  {662, 27, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(listeningArea(c.cell).size(), static_cast<std::size_t>(c.size)) << "cell " << c.cell;
    Harness h;
    h.startWithFleet(kSampleFleet);
    h.clickBuoy(0);
    h.click(c.cell);
    EXPECT_EQ(h.game.buoyzone, c.zone) << "cell " << c.cell;
  }
}

TEST_F(Buoys, ABuoyHearsShipsAfloatHitOrNotButNotSunkShips) {
  // Ship 0's six cells lie around cell 32; ship 1 (4, 34, 64, 94) too.
  drop(0, 32);  // ship 0 (six cells) and ship 1 (four) lie within reach
  EXPECT_EQ(h.game.buoyheard, 6 + 4);

  Harness later;
  later.startWithFleet(kSampleFleet);
  for (int cell : {1, 30, 31, 60, 61}) later.click(cell);  // ship 0 hit five times
  later.click(4);                                          // ship 1 hit once
  later.clickBuoy(1);
  later.click(32);
  EXPECT_EQ(later.game.buoyheard, 10);
  later.advance(16000);  // ten flashes a burst: 4000 + 1200 x 10 ms
  later.click(90);  // ship 0 sinks
  later.advance(1000);
  later.clickBuoy(2);
  later.click(33);
  EXPECT_EQ(later.game.buoyheard, 4);
}

TEST_F(Buoys, ABuoyOnAShipCellHearsItAndTheSamePlaceHearsTheSameWhateverThePrice) {
  drop(4, 301);
  const int heard = h.game.buoyheard;
  EXPECT_EQ(heard, 3);
  h.advance(10000);
  Harness other;
  other.startWithFleet(kSampleFleet);
  other.clickBuoy(0);
  other.click(301);
  EXPECT_EQ(other.game.buoyheard, heard);
}

// The colour of the buoy cell at every change, over the whole cycle.
std::vector<std::pair<std::int64_t, char>> flashTimeline(Harness& h, int cell, std::int64_t length) {
  std::vector<std::pair<std::int64_t, char>> changes;
  char last = colourLetter(h.screen().cellColour[cell]);
  changes.emplace_back(0, last);
  const std::int64_t start = h.clock.now();
  while (h.clock.now() - start < length) {
    h.advance(100);
    const char now = colourLetter(h.screen().cellColour[cell]);
    if (now != last) changes.emplace_back(h.clock.now() - start, now);
    last = now;
  }
  return changes;
}

TEST_F(Buoys, WithNothingHeardTheBuoyWaitsFourPausesAndComesBack) {
  drop(2, 520);
  ASSERT_EQ(h.game.buoyheard, 0);
  EXPECT_EQ(flashTimeline(h, 520, 5000), (std::vector<std::pair<std::int64_t, char>>{{0, 'd'}, {4000, 'g'}}));
  EXPECT_EQ(h.game.buoyheard, -1);
  EXPECT_EQ(h.game.buoyround, 4);
  EXPECT_EQ(h.game.buoymode, 0);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(h.screen().shown(Control::Cmdbuoy, k), k != 2);
  EXPECT_EQ(h.screen().buoyCaption, kBuoyIdleCaption);
  EXPECT_TRUE(h.screen().shown(Control::Lbllbuoy));
}

TEST_F(Buoys, OneShipCellHeardFlashesOnceInEachOfThreeBursts) {
  drop(0, 390);  // three rows below cell 300 of ship 3
  ASSERT_EQ(h.game.buoyheard, 1);
  EXPECT_EQ(flashTimeline(h, 390, 6000),
            (std::vector<std::pair<std::int64_t, char>>{
                {0, 'd'}, {1200, 'y'}, {1400, 'd'}, {2600, 'y'}, {2800, 'd'}, {4000, 'y'}, {4200, 'd'}, {5200, 'g'}}));
}

TEST_F(Buoys, TwoShipCellsHeardFlashAtTheirMilliseconds) {
  drop(0, 363);  // hears cells 301 and 302 of ship 3
  ASSERT_EQ(h.game.buoyheard, 2);
  EXPECT_EQ(flashTimeline(h, 363, 7000),
            (std::vector<std::pair<std::int64_t, char>>{{0, 'd'},    {1200, 'y'}, {1400, 'd'}, {1600, 'y'},
                                                        {1800, 'd'}, {3000, 'y'}, {3200, 'd'}, {3400, 'y'},
                                                        {3600, 'd'}, {4800, 'y'}, {5000, 'd'}, {5200, 'y'},
                                                        {5400, 'd'}, {6400, 'g'}}));
}

TEST_F(Buoys, ABuoyTellsItsDropAndWhatItHeardAtTheEndOfEachBurstOrOfASilentCycle) {
  h.events.log.clear();
  drop(0, 363);
  h.advance(7000);
  drop(1, 520);
  h.advance(5000);
  EXPECT_EQ(h.events.log, (std::vector<std::string>{"score 990", "buoy 363", "buoy 363 heard 2", "buoy 363 heard 2",
                                                    "buoy 363 heard 2", "score 970", "buoy 520",
                                                    "buoy 520 heard 0"}));
}

TEST_F(Buoys, AClickOnTheBuoyCellDuringItsCycleMarksItShotButFiresNot) {
  drop(0, 520);
  h.click(520);
  EXPECT_EQ(h.game.score, 990);
  EXPECT_EQ(h.game.shot[520], 1);
  EXPECT_EQ(h.screen().cellColour[520], CellColour::DarkYellow);
  h.advance(4000);
  ASSERT_EQ(h.screen().cellColour[520], CellColour::Grey);
  h.clickBuoy(1);
  h.click(520);  // fired at now, so no buoy can be dropped here
  EXPECT_EQ(h.game.buoybusy, 0);
  EXPECT_EQ(h.screen().cellColour[520], CellColour::Cyan);
}

TEST_F(Buoys, AfterTheFifthBuoyNeitherButtonsNorLabelComeBack) {
  for (int index = 0; index < 5; ++index) {
    drop(index, 520);
    h.advance(4000);
  }
  for (int k = 0; k < 5; ++k) EXPECT_FALSE(h.screen().shown(Control::Cmdbuoy, k));
  EXPECT_FALSE(h.screen().shown(Control::Lbllbuoy));
  EXPECT_EQ(h.game.score, 1000 - 150);
}

TEST_F(Buoys, StopPlayingFreezesTheCycleAndTheNextStartClearsIt) {
  drop(0, 360);  // hears the three cells of ship 3
  ASSERT_EQ(h.game.buoyheard, 3);
  h.advance(1300);
  ASSERT_EQ(h.screen().cellColour[360], CellColour::Yellow);
  h.game.mnustopClick();
  EXPECT_FALSE(h.timer(Timer::Tmr5));
  EXPECT_FALSE(h.timer(Timer::Tmr6));
  h.advance(10000);
  EXPECT_EQ(h.screen().cellColour[360], CellColour::Yellow);
  h.game.mnustartClick();
  EXPECT_EQ(h.screen().cellColour[360], CellColour::Grey);
  EXPECT_EQ(h.game.buoymode, 0);
  EXPECT_EQ(h.game.buoybusy, 0);
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(h.screen().shown(Control::Cmdbuoy, k));
}

TEST_F(Buoys, AGameThatEndsWhileABuoyListensKeepsItsBuoyPanelHidden) {
  drop(4, 520);
  for (int j = 0; j < kSlots; ++j) {
    h.click(kSampleFleet[j]);
    h.advance(j + 1 < kSlots ? 1300 : 10);
  }
  ASSERT_TRUE(h.screen().startEnabled);
  h.advance(20000);
  EXPECT_EQ(h.screen().cellColour[520], CellColour::Grey);  // the cycle ran to its end
  EXPECT_EQ(h.game.buoymode, 0);
  for (int k = 0; k < 5; ++k) EXPECT_FALSE(h.screen().shown(Control::Cmdbuoy, k));
  EXPECT_FALSE(h.screen().shown(Control::Lbllbuoy));
}

}  // namespace
}  // namespace kalvenor::testing
