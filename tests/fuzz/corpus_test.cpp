// SPDX-License-Identifier: GPL-3.0-or-later
// Every scenario of the fuzzer's seed corpus, and the game scenarios of the
// replay tests, keep every rule and leave a game that plays to its end.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "breach.h"
#include "checked_game.h"

namespace kalvenor::fuzz {
namespace {

std::vector<std::filesystem::path> scenarioFiles() {
  std::vector<std::filesystem::path> files;
  for (const char* dir : {KALVENOR_FUZZ_CORPUS_DIR, KALVENOR_SCENARIO_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      if (entry.path().extension() == ".scn") files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

class ScenarioUnderWatch : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(ScenarioUnderWatch, KeepsEveryRuleAndThenPlaysToTheEnd) {
  std::ifstream file(GetParam());
  ASSERT_TRUE(file) << GetParam();
  CheckedGame game;
  try {
    for (const Event& event : readScenario(file)) game.apply(event);
    game.playToTheEnd();
  } catch (const Breach& breach) {
    FAIL() << "breach: " << breach.what();
  }
}

std::string testName(const ::testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name = info.param.stem().string();
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, ScenarioUnderWatch, ::testing::ValuesIn(scenarioFiles()), testName);

}  // namespace
}  // namespace kalvenor::fuzz
