// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario language that kalvenor-replay runs and the fuzzer's watcher
// writes and reads: what each line means, what it refuses, and that what is
// written reads back as the same events.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "scenario_text.h"

namespace kalvenor {
namespace {

using Kind = Event::Kind;

std::vector<Event> read(const std::string& text) {
  std::istringstream in(text);
  return readScenario(in);
}

TEST(ScenarioText, ReadsEveryCommandAndSkipsBlankLinesAndComments) {
  const std::vector<Event> events = read(
      "# a game\nrand 0.5 0.25\nload\n\n  \nstart\nsound\nadvance 500\nclick 749\nbuoy 4\ndump\nstop\nexit\n"
      "unload\n");
  const std::vector<Event> expected = {
      {Kind::Rand, 0, 0.5f}, {Kind::Rand, 0, 0.25f}, {Kind::Load},    {Kind::Start}, {Kind::Sound},
      {Kind::Advance, 500},  {Kind::Click, 749},     {Kind::Buoy, 4}, {Kind::Dump},  {Kind::Stop},
      {Kind::Exit},          {Kind::Unload},
  };
  EXPECT_EQ(events, expected);
  EXPECT_EQ(read("\xEF\xBB\xBFload\n"), std::vector<Event>{{Kind::Load}});
}

// A rand line with no number feeds nothing and says nothing: it is refused,
// like every other command without the arguments it takes.
TEST(ScenarioText, RefusesALineItCannotReadAndNamesIt) {
  for (const char* bad : {"load\nfire 3\n", "load\nrand\n", "load\nclick\n", "load\nclick -1\n",
                          "load\nclick 750\n", "load\nbuoy 5\n", "load\nadvance 5 6\n", "load\ndump 1\n",
                          "load\nrand 1.5\n", "load\nrand 0.5 x\n", "load\nrand 1e-3\n"}) {
    try {
      read(bad);
      ADD_FAILURE() << "accepted: " << bad;
    } catch (const ScenarioError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("line 2: ", 0), 0u) << e.what();
    }
  }
}

TEST(ScenarioText, WhatIsWrittenReadsBackAsTheSameEvents) {
  std::vector<Event> events;
  for (float r : {0.0f, 1e-7f, 0.1f, 0.5f, std::nextafter(1.0f, 0.0f), 0x1p-24f}) events.push_back({Kind::Rand, 0, r});
  for (int n = 0; n < 20; ++n) events.push_back({Kind::Rand, 0, static_cast<float>(n) / 20});
  events.insert(events.end(), {{Kind::Load}, {Kind::Click, 3}, {Kind::Rand, 0, 0.75f}, {Kind::Buoy, 2},
                               {Kind::Advance, 1'000'000}, {Kind::Start}, {Kind::Stop}, {Kind::Sound},
                               {Kind::Dump}, {Kind::Exit}, {Kind::Unload}});
  std::ostringstream out;
  writeScenario(out, events);
  EXPECT_EQ(read(out.str()), events) << out.str();
}

}  // namespace
}  // namespace kalvenor
