// SPDX-License-Identifier: GPL-3.0-or-later
// The window's life and the menu: the Title, Placing, Playing and Over
// states, Stop playing at each point, and the leftovers a new game must not
// inherit from an interrupted or finished one.

#include "harness.h"

namespace kalvenor::testing {
namespace {

TEST(WindowLoad, ShowsTheTitleStartsTheRandomSequenceAndTheStartUpSound) {
  Harness h;
  h.game.formLoad();
  EXPECT_TRUE(h.screen().shown(Control::Pic1));
  EXPECT_EQ(h.screen().titleRect, (TwipRect{3480, 240, 7380, 6870}));
  EXPECT_EQ(h.screen().shownCells(), 0);
  EXPECT_FALSE(h.screen().shown(Control::Cmdbuoy, 0));
  EXPECT_TRUE(h.screen().startEnabled);
  EXPECT_FALSE(h.screen().stopEnabled);
  EXPECT_TRUE(h.timer(Timer::Tmr1));
  EXPECT_TRUE(h.timer(Timer::Tmr9));
  EXPECT_EQ(h.view.screen(), h.screen());

  h.feed({0.1f});
  h.advance(1);
  EXPECT_EQ(h.random.drawn(), 0u);
  h.advance(1);
  EXPECT_EQ(h.random.drawn(), 1u);  // the first Tmr1 tick, 2 ms after the window opened
}

TEST(WindowLoad, ATmr1TickOnlyAdvancesTheRandomSequence) {
  Harness h;
  h.game.formLoad();
  h.game.mnustartClick();
  const Screen before = h.screen();
  const std::int16_t score = h.game.score;
  h.feed({0.9f, 0.1f, 0.2f, 0.3f});
  h.game.tmr1Timer();
  EXPECT_EQ(h.random.drawn(), 1u);
  h.game.tmr1Ticks(3);  // a run of ticks served at once draws as many
  EXPECT_EQ(h.random.drawn(), 4u);
  EXPECT_EQ(h.screen(), before);
  EXPECT_EQ(h.game.score, score);
}

TEST(Start, PlacesTheFleetFiveHundredMillisecondsLaterAndThenShowsTheGrid) {
  Harness h;
  h.game.formLoad();
  h.wait(100);
  const std::size_t beforeStart = h.random.drawn();
  h.game.mnustartClick();
  EXPECT_FALSE(h.screen().shown(Control::Pic1));
  EXPECT_FALSE(h.screen().startEnabled);
  EXPECT_TRUE(h.screen().stopEnabled);
  EXPECT_EQ(h.screen().scoreCaption, " 1000");
  EXPECT_EQ(h.screen().panelImage, (std::array<int, 10>{0, 15, 15, 31, 31, 31, 43, 43, 43, 43}));
  EXPECT_EQ(h.screen().panelPosition[9], (TwipPoint{10800, 4920}));
  EXPECT_EQ(h.screen().panelPosition[0], (TwipPoint{7560, 600}));
  EXPECT_EQ(h.screen().shownCells(), 0);

  // Tmr1's 250 numbers up to the tick of Tmr2, then the fleet's: every ship
  // accepted at its first anchor.
  h.feed(std::vector<float>(250, 0.25f));
  const std::array<std::pair<int, int>, kShips> fleet = {
      {{3, 0}, {1, 200}, {3, 300}, {3, 400}, {3, 404}, {3, 408}, {3, 600}, {3, 603}, {3, 606}, {3, 609}}};
  for (int s = 0; s < kShips; ++s) h.feed(placing(s, fleet[s].first, fleet[s].second));
  h.advance(499);
  EXPECT_EQ(h.screen().shownCells(), 0);
  h.advance(1);
  EXPECT_EQ(h.random.drawn() - beforeStart, 250u + 20u);
  EXPECT_EQ(h.screen().shownCells(), kCells);
  EXPECT_FALSE(h.timer(Timer::Tmr2));
  EXPECT_EQ(std::count(h.game.occupied.begin(), h.game.occupied.end(), 1), kSlots);
  EXPECT_EQ(h.view.screen(), h.screen());
}

TEST(StopPlaying, DuringPlacementNoFleetIsPlacedAndALaterStartArmsItAgain) {
  Harness h;
  h.game.formLoad();
  h.game.mnustartClick();
  h.wait(300);
  h.game.mnustopClick();
  EXPECT_FALSE(h.timer(Timer::Tmr2));
  h.wait(1000);
  EXPECT_EQ(std::count(h.game.occupied.begin(), h.game.occupied.end(), 1), 0);
  EXPECT_TRUE(h.screen().shown(Control::Pic1));
  EXPECT_TRUE(h.screen().startEnabled);
  EXPECT_FALSE(h.screen().stopEnabled);
  h.game.mnustartClick();
  EXPECT_TRUE(h.timer(Timer::Tmr2));
}

TEST(StopPlaying, HidesTheGameAndShowsTheTitleInEveryState) {
  for (int state = 0; state < 3; ++state) {  // placing, playing, over
    Harness h;
    if (state == 0) {
      h.game.formLoad();
      h.game.mnustartClick();
    } else {
      h.startWithFleet(kSampleFleet);
    }
    if (state == 2) {
      for (int k = 0; k < kCells; ++k) {
        h.click(k);
        h.advance(1300);
      }
      ASSERT_TRUE(h.screen().startEnabled);
    }
    h.game.mnustopClick();
    for (Timer t : {Timer::Tmr2, Timer::Tmr3, Timer::Tmr4, Timer::Tmr5, Timer::Tmr6}) EXPECT_FALSE(h.timer(t));
    EXPECT_TRUE(h.screen().shown(Control::Pic1));
    EXPECT_EQ(h.screen().shownCells(), 0);
    for (Control c : {Control::Picship2, Control::Picmapots, Control::Picfleetots, Control::Lblexp, Control::Line1,
                      Control::Cmdbuoy, Control::Picamod, Control::Lblohje, Control::Lbllbuoy, Control::Lblscore1,
                      Control::Lblscore2}) {
      for (int n = 0; n < controlCount(c); ++n) EXPECT_FALSE(h.screen().shown(c, n)) << "state " << state;
    }
    EXPECT_TRUE(h.screen().startEnabled);
    EXPECT_FALSE(h.screen().stopEnabled);
  }
}

TEST(StartAfterStop, ClearsAnInterruptedSinkingSoTheNewGameTakesClicks) {
  Harness h;
  h.startWithFleet(kSampleFleet);
  h.click(600);
  h.click(630);  // sinks ship 6: busy for 600 ms
  ASSERT_EQ(h.game.busy, 1);
  h.game.mnustopClick();
  h.game.mnustartClick();
  EXPECT_EQ(h.game.busy, 0);
  EXPECT_EQ(h.screen().shownCells(), 0);  // hidden until the fleet is placed
  EXPECT_EQ(h.screen().panelImage[6], 43);
}

TEST(StartAfterStop, ClearsAPendingOrListeningBuoy) {
  Harness h;
  h.startWithFleet(kSampleFleet);
  h.clickBuoy(0);
  ASSERT_EQ(h.screen().buoyCaption, kBuoyPendingCaption);
  h.game.mnustopClick();
  h.game.mnustartClick();
  EXPECT_EQ(h.game.buoymode, 0);
  EXPECT_EQ(h.game.buoybusy, 0);
  EXPECT_EQ(h.screen().buoyCaption, kBuoyIdleCaption);
}

// Start is offered again as soon as the last slot is hit, while the last
// sinking sequence and its marker still run.
TEST(StartAfterAFinishedGame, StopsTheOldGamesTimersAndHidesItsMarker) {
  Harness h;
  h.startWithFleet(kSampleFleet);
  for (int j = 0; j < kSlots; ++j) {
    h.click(kSampleFleet[j]);
    if (j + 1 < kSlots) h.advance(1300);
  }
  h.advance(10);  // the marker tick that ends the game
  ASSERT_TRUE(h.screen().startEnabled);
  ASSERT_TRUE(h.timer(Timer::Tmr3));
  ASSERT_TRUE(h.screen().shown(Control::Lblexp, 0));
  h.game.mnustartClick();
  for (Timer t : {Timer::Tmr3, Timer::Tmr4, Timer::Tmr5, Timer::Tmr6}) EXPECT_FALSE(h.timer(t));
  for (int bar = 0; bar < 4; ++bar) EXPECT_FALSE(h.screen().shown(Control::Lblexp, bar));
  EXPECT_EQ(h.game.busy, 0);
  EXPECT_EQ(h.screen().panelImage[9], 43);
  EXPECT_EQ(h.screen().enabledCells(), kCells);
  EXPECT_EQ(h.screen().shownCells(), 0);
}

TEST(Menu, SoundTogglesItsCheckMarkExitEndsWithoutTheUnloadStep) {
  Harness h;
  h.game.formLoad();
  h.game.mnusoundClick();
  EXPECT_FALSE(h.screen().soundChecked);
  h.game.mnusoundClick();
  EXPECT_TRUE(h.screen().soundChecked);
  h.sound.clearLog();
  h.game.mnuexitClick();
  EXPECT_TRUE(h.view.ended());
  EXPECT_TRUE(h.sound.log().empty());
}

}  // namespace
}  // namespace kalvenor::testing

namespace kalvenor::testing {
namespace {

TEST(SoundChannels, TheStartUpSoundPlaysWhateverTheCheckMarkAndStopsAfter1700Milliseconds) {
  Harness h;
  h.game.formLoad();
  EXPECT_EQ(h.sound.log(), (std::vector<std::string>{
                               "1 switch 24 false", "1 switch 25 true", "1 switch 26 false", "1 device WaveAudio",
                               "1 file Kalvenorw1.wav", "1 Open", "1 Play",
                               "2 switch 24 false", "2 switch 25 true", "2 switch 26 false", "2 device WaveAudio"}));
  h.game.mnusoundClick();  // unchecked: shots are silent, the start-up sound is not affected
  h.sound.clearLog();
  h.wait(1698);
  EXPECT_TRUE(h.sound.log().empty());
  h.wait(2);
  EXPECT_EQ(h.sound.log(), (std::vector<std::string>{"1 Stop", "1 Close"}));
  EXPECT_FALSE(h.timer(Timer::Tmr9));

  h.sound.clearLog();
  h.game.formUnload();
  EXPECT_EQ(h.sound.log(), (std::vector<std::string>{"1 switch 52 false"}));
}

}  // namespace
}  // namespace kalvenor::testing
