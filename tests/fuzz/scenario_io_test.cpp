// SPDX-License-Identifier: GPL-3.0-or-later
// Scenarios read and written, and fuzzer inputs decoded: a game found by the
// fuzzer, written down, replays as the same game; and an input decodes only
// into what a player could do.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "checked_game.h"
#include "event.h"
#include "input_decoder.h"

namespace kalvenor::fuzz {
namespace {

using Kind = Event::Kind;

std::vector<Event> read(const std::string& text) {
  std::istringstream in(text);
  return readScenario(in);
}

TEST(ScenarioText, ReadsEveryCommandAndSkipsCommentsAndDumps) {
  const std::vector<Event> events = read(
      "# a game\nrand 0.5 0.25\nload\n\nstart\nsound\nadvance 500\nclick 749\nbuoy 4\ndump\nstop\nexit\nunload\n");
  const std::vector<Event> expected = {
      {Kind::Rand, 0, 0.5f}, {Kind::Rand, 0, 0.25f}, {Kind::Load},     {Kind::Start}, {Kind::Sound},
      {Kind::Advance, 500},  {Kind::Click, 749},     {Kind::Buoy, 4},  {Kind::Stop},  {Kind::Exit},
      {Kind::Unload},
  };
  EXPECT_EQ(events, expected);
}

TEST(ScenarioText, NamesTheLineItCannotRead) {
  for (const char* bad : {"load\nfire 3\n", "load\nclick\n", "load\nclick -1\n", "load\nadvance 5 6\n",
                          "load\nrand 1.5\n", "load\nrand 0.5 x\n"}) {
    EXPECT_THROW(
        {
          try {
            read(bad);
          } catch (const ScenarioSyntaxError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("line 2: ", 0), 0u) << e.what();
            throw;
          }
        },
        ScenarioSyntaxError)
        << bad;
  }
}

TEST(ScenarioText, WritesRandomNumbersThatReadBackExactly) {
  const std::vector<float> numbers = {0.0f, 1e-7f, 0.1f, 0.5f, std::nextafter(1.0f, 0.0f), 0x1p-24f};
  std::ostringstream out;
  writeScenario(out, numbers, {{Kind::Load}, {Kind::Click, 3}});
  const std::vector<Event> events = read(out.str());
  ASSERT_EQ(events.size(), numbers.size() + 2);
  for (std::size_t n = 0; n < numbers.size(); ++n) EXPECT_EQ(events[n].number, numbers[n]) << n;
  EXPECT_EQ(events.back(), (Event{Kind::Click, 3}));
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
  writeScenario(scenario, found.drawn(), found.events());
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
