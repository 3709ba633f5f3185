// SPDX-License-Identifier: GPL-3.0-or-later
// kalvenor-replay's scenario language and dump, and whole games played from
// scenario files.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>
#include <streambuf>

#include "harness.h"
#include "scenario.h"

namespace kalvenor::testing {
namespace {

struct ReplayRun {
  int status;
  std::string out;
  std::string err;
};

ReplayRun replay(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = runScenario(in, out, err);
  return {status, out.str(), err.str()};
}

// The lines of the last dump, by name.
std::map<std::string, std::string> lastDump(const std::string& out) {
  std::map<std::string, std::string> fields;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line)) {
    if (line == "end") continue;
    const std::size_t space = line.find(' ');
    fields[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
  }
  return fields;
}

TEST(Replay, DumpsTheOpenedWindowInItsFormat) {
  const ReplayRun run = replay("# the window only\n\nload\ndump\n");
  ASSERT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::vector<std::string> names;
  std::string line;
  while (std::getline(lines, line)) names.push_back(line.substr(0, line.find(' ')));
  EXPECT_EQ(names, (std::vector<std::string>{"time", "draws", "score", "flags", "colour", "occupied", "shot",
                                             "shipcell", "cellhit", "hits", "buoy", "ship", "panel", "timers",
                                             "menu", "cells", "shown", "caption", "end"}));
  auto dump = lastDump(run.out);
  EXPECT_EQ(dump["time"], "0");
  EXPECT_EQ(dump["colour"], std::string(750, 'g'));
  EXPECT_EQ(dump["cellhit"], std::string(31, '0'));
  EXPECT_EQ(dump["buoy"], "00000 0 0 0 0 0 0");
  EXPECT_EQ(dump["panel"], "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1");
  EXPECT_EQ(dump["timers"], "100000001");
  EXPECT_EQ(dump["menu"], "1 0 1");
  EXPECT_EQ(dump["cells"], "0 750");
  EXPECT_EQ(dump["shown"], "1 0000000000 00000 0 0 0 0");
  EXPECT_EQ(dump["caption"], "Listening buoys (Loss of points in button)");
}

TEST(Replay, MenuItemsAndControlsThatAreOffDoNothing) {
  const ReplayRun run = replay("load\nstop\nclick 5\nbuoy 2\nstart\nstart\nsound\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  auto dump = lastDump(run.out);
  EXPECT_EQ(dump["menu"], "0 1 0");
  EXPECT_EQ(dump["cells"], "0 750");  // the grid waits for the fleet
  EXPECT_EQ(dump["shot"], std::string(750, '0'));
  EXPECT_EQ(dump["buoy"], "00000 0 0 0 0 0 0");
  EXPECT_EQ(dump["timers"], "110000001");
}

TEST(Replay, ErrorsNameTheirLineAndFollowTheDumpsBeforeThem) {
  const struct {
    std::string script;
    std::string error;
  } cases[] = {
      {"load\ndump\nfire 3\n", "error: line 3: unknown command: fire\n"},
      {"load\nclick 750\n", "error: line 2: value out of range: 750\n"},
      {"load\nrand\n", "error: line 2: rand needs at least one number\n"},
      {"load\nclick x\n", "error: line 2: not a whole number: x\n"},
      {"load\nbuoy 5\n", "error: line 2: value out of range: 5\n"},
      {"rand 0.5 1.0\n", "error: line 1: random number out of range: 1.0\n"},
      {"rand -0.1\n", "error: line 1: random number out of range: -0.1\n"},
      {"load\nadvance -1\n", "error: line 2: value out of range: -1\n"},
      {"load\ndump 1\n", "error: line 2: dump takes 0 arguments\n"},
      {"start\n", "error: line 1: the window is not open yet\n"},
      {"load\nload\n", "error: line 2: the window is already open\n"},
      {"rand 0.5\nload\nadvance 4\n", "error: line 3: draw from an exhausted random sequence\n"},
      // What a word shows is cut short and escaped; a NUL byte or a byte
      // that is not UTF-8 is named, even in a comment.
      {"load\nclick " + std::string(10'000'000, '9') + "\n",
       "error: line 2: value out of range: " + std::string(32, '9') + "...\n"},
      {"load\nfi\x1b[2Jre\\n\n", "error: line 2: unknown command: fi\\x1b[2Jre\\x5cn\n"},
      {"load\nclick\t\xc3\xa9\n", "error: line 2: not a whole number: \\xc3\\xa9\n"},
      {std::string("load\0\n", 6), "error: line 1: a NUL byte at column 5\n"},
      {"load\n# caf\xc3\n", "error: line 2: a byte that is not UTF-8 (\\xc3) at column 6\n"},
      {"load\n\xc0\xaf\n", "error: line 2: a byte that is not UTF-8 (\\xc0) at column 1\n"},
      {"load\n\xEF\xBB\xBF" "dump\n", "error: line 2: unknown command: \\xef\\xbb\\xbfdump\n"},
  };
  for (const auto& c : cases) {
    const ReplayRun run = replay(c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_EQ(run.err, c.error) << c.script;
  }
  EXPECT_NE(replay("load\ndump\nfire 3\n").out.find("end\n"), std::string::npos);
  // A byte-order mark before the first line, and UTF-8 in a comment, are fine.
  EXPECT_EQ(replay("\xEF\xBB\xBFload\n# caf\xc3\xa9 \xf0\x9f\x8c\x8a\ndump\n").status, 0);
}

TEST(Replay, ExitAndUnloadEndTheScenario) {
  EXPECT_EQ(replay("load\nexit\nnonsense\n").status, 0);
  EXPECT_EQ(replay("load\nunload\nnonsense\n").status, 0);
  EXPECT_EQ(replay("load\nunload\ndump\n").out, "");
}

TEST(Replay, TheFleetDependsOnHowLongThePlayerWaitsBeforeStart) {
  std::string numbers;
  for (int n = 0; n < 2000; ++n) numbers += " 0." + std::to_string(100 + (n * 7919) % 900);
  const std::string early = "rand" + numbers + "\nload\nadvance 10\nstart\nadvance 500\ndump\n";
  const std::string late = "rand" + numbers + "\nload\nadvance 12\nstart\nadvance 500\ndump\n";
  auto a = lastDump(replay(early).out), b = lastDump(replay(late).out);
  EXPECT_NE(a["shipcell"], b["shipcell"]);
  EXPECT_GT(std::stoi(a["draws"]), 255);  // 255 ticks of Tmr1, then the fleet's draws
  EXPECT_EQ(a["cells"], "750 750");
}

// Whole games of 750 clicks, Started and Stopped one after another, written
// a line at a time as the replay reads them: a scenario of any length that is
// never held whole.
class GeneratedGames final : public std::streambuf {
 public:
  explicit GeneratedGames(int games) : games_(games) {}

 private:
  static constexpr int kRandLines = 14;  // 1,400 numbers a game: more than it draws
  static constexpr int kLinesPerGame = kRandLines + 3 + 750 + 2;

  int_type underflow() override {
    line_ = nextLine();
    if (line_.empty()) return traits_type::eof();
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_.front());
  }

  std::string nextLine() {
    const long n = next_++;
    if (n == 0) return "load\n";
    const long game = (n - 1) / kLinesPerGame, step = (n - 1) % kLinesPerGame;
    if (game == games_) return n == 1 + games_ * long{kLinesPerGame} ? "dump\n" : "";
    if (step < kRandLines) {
      std::string line = "rand";
      for (long k = 0; k < 100; ++k) line += " 0." + std::to_string(1000 + (n * 100 + k) * 7919 % 9000);
      return line + "\n";
    }
    constexpr const char* kAround[] = {"advance 10\n", "start\n", "advance 600\n", "advance 2000\n", "stop\n"};
    const long click = step - kRandLines - 3;
    if (click < 0) return kAround[step - kRandLines];
    if (click < 750) return "click " + std::to_string(click) + "\n";
    return kAround[3 + click - 750];
  }

  int games_;
  long next_ = 0;
  std::string line_;
};

// The address space this process already has, in bytes.
rlim_t addressSpace() {
  std::ifstream status("/proc/self/status");
  std::string word;
  rlim_t kilobytes = 0;
  while (status >> word && word != "VmSize:") {}
  status >> kilobytes;
  return kilobytes * 1024;
}

TEST(Replay, AMillionEventsRunInMemoryThatDoesNotGrowWithTheScenario) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
#endif
  constexpr int kGames = 1330;  // 1,003,000 clicks, Starts, Stops and advances
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    // 64 MB more than the test program holds before the first line; keeping
    // what the game tells its view and its sound took 300 MB for these games.
    const rlim_t limit = addressSpace() + (rlim_t{64} << 20);
    const rlimit rl{limit, limit};
    setrlimit(RLIMIT_AS, &rl);
    GeneratedGames games(kGames);
    std::istream in(&games);
    std::ostringstream out;
    const int status = runScenario(in, out, std::cerr);
    _exit(status == 0 && lastDump(out.str())["time"] == std::to_string(kGames * 2610) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Counts a letter in the colour line.
long count(const std::string& text, char c) { return std::count(text.begin(), text.end(), c); }

TEST(ScenarioFiles, AWholeGamePlaysToItsEndWithTheScoreTheShotsAndSinkingsGive) {
  std::ifstream file(std::string(KALVENOR_SCENARIO_DIR) + "/whole_game.scn");
  ASSERT_TRUE(file);
  std::ostringstream out, err;
  ASSERT_EQ(runScenario(file, out, err), 0) << err.str();
  auto dump = lastDump(out.str());
  const std::string& colours = dump["colour"];
  EXPECT_EQ(count(colours, 'k'), 31);
  EXPECT_EQ(count(colours, 'r'), 0);
  const long shots = 750 - count(colours, 'g');
  EXPECT_EQ(std::stoi(dump["score"]), 1000 - shots + 200 * 10);
  EXPECT_EQ(dump["occupied"], std::string(750, '0'));
  EXPECT_EQ(dump["cellhit"], std::string(31, '1'));
  EXPECT_EQ(dump["panel"], "51 51 51 51 51 51 51 51 51 51");
  EXPECT_EQ(dump["menu"], "1 1 1");
  EXPECT_EQ(dump["cells"], "750 0");
  EXPECT_EQ(dump["flags"], "0 0 0");
  EXPECT_EQ(dump["shown"], "0 1111111111 00000 0 0 1 1");
}

}  // namespace
}  // namespace kalvenor::testing
