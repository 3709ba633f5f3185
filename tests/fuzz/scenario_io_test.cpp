// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzer inputs decoded and written down: a game found by the fuzzer,
// written down, replays as the same game; and an input decodes only into
// what a player could do.

#include <gtest/gtest.h>

#include <sstream>

#include "checked_game.h"
#include "input_decoder.h"
#include "scenario_text.h"

namespace kalvenor::fuzz {
namespace {

using Kind = Event::Kind;

std::vector<Event> read(const std::string& text) {
  std::istringstream in(text);
  return readScenario(in);
}

// A busy input: every operation, twice over, with arguments that vary.
std::vector<std::uint8_t> sampleInput() {
  std::vector<std::uint8_t> input = {13, 0, 0, 0, 42, 9, 200, 0, 9, 250, 11, 11};
  for (std::uint8_t op = 0; op < 30; ++op) {
    input.insert(input.end(), {op, static_cast<std::uint8_t>(op * 37), static_cast<std::uint8_t>(op * 11), 5, 5});
    input.insert(input.end(), {5, 5, 5, 4, op, 9, 100, 11});
  }
  return input;
}

TEST(FuzzInput, AGameWrittenDownReplaysAsTheSameGame) {
  const std::vector<std::uint8_t> input = sampleInput();
  CheckedGame found;
  playInput(input.data(), input.size(), found);
  ASSERT_GT(found.events().size(), 20u);

  std::ostringstream scenario;
  writeScenario(scenario, found.scenario());
  CheckedGame replayed;
  for (const Event& event : read(scenario.str())) replayed.apply(event);
  EXPECT_EQ(replayed.game().screen(), found.game().screen());
  EXPECT_EQ(replayed.game().shipcell, found.game().shipcell);
  EXPECT_EQ(replayed.game().score, found.game().score);
  EXPECT_EQ(replayed.drawn(), found.drawn());
}

TEST(FuzzInput, AScenarioEncodedPlaysItsEventsAgain) {
  const std::vector<Event> events = read("rand 0.25\nload\nstart\nadvance 600\nclick 17\nbuoy 3\nsound\nexit\n");
  const std::vector<std::uint8_t> input = encodeEvents(events);
  CheckedGame game;
  playInput(input.data(), input.size(), game);
  std::vector<Event> played = game.events();
  ASSERT_GE(played.size(), 4u);
  EXPECT_EQ(played.front(), (Event{Kind::Load}));
  EXPECT_EQ(played[1], (Event{Kind::Rand, 0, 0.25f}));
  EXPECT_EQ(played[2], (Event{Kind::Start}));
  EXPECT_TRUE(game.ended());
  EXPECT_EQ(played.back(), (Event{Kind::Exit}));
}

TEST(FuzzInput, DecodesOnlyWhatAPlayerCouldDo) {
  // Clicks, buoys and Stop before any game, and Start twice: only the first
  // Start reaches the game, and nothing follows the window's closing.
  const std::vector<std::uint8_t> input = {3, 0, 7, 8, 2, 5, 7, 1, 0, 0, 0xFE, 0, 3, 0, 1};
  CheckedGame game;
  playInput(input.data(), input.size(), game);
  const std::vector<Event> expected = {{Kind::Load}, {Kind::Start}, {Kind::Unload}};
  EXPECT_EQ(game.events(), expected);
}

}  // namespace
}  // namespace kalvenor::fuzz
