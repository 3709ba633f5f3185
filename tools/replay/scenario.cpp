// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

#include "dump.h"

namespace kalvenor {

namespace {

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> result;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t\r", pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
    result.push_back(line.substr(start, end - start));
    pos = end;
  }
  return result;
}

std::int64_t wholeNumber(std::string_view word, std::int64_t low, std::int64_t high) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec == std::errc::result_out_of_range) throw ScenarioError("value out of range: " + std::string(word));
  if (ec != std::errc() || end != word.data() + word.size()) {
    throw ScenarioError("not a whole number: " + std::string(word));
  }
  if (value < low || value > high) throw ScenarioError("value out of range: " + std::string(word));
  return value;
}

// A decimal 0 <= r < 1, taken as a single-precision number. A decimal just
// below 1 that rounds up to 1 becomes the largest number below 1.
float randomNumber(std::string_view word) {
  double value = 0;
  const auto [end, ec] =
      std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
    throw ScenarioError("not a decimal number: " + std::string(word));
  }
  if (value < 0 || value >= 1) throw ScenarioError("random number out of range: " + std::string(word));
  const float r = static_cast<float>(value);
  return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

void expectArguments(const std::vector<std::string_view>& w, std::size_t count) {
  if (w.size() != count + 1) {
    throw ScenarioError(std::string(w[0]) + " takes " + std::to_string(count) + " argument" +
                        (count == 1 ? "" : "s"));
  }
}

// The longest advance one line may ask for; far more than any script can
// feed Tmr1 with numbers for.
constexpr std::int64_t kLongestAdvance = std::int64_t{1} << 40;

}  // namespace

Scenario::Scenario(std::ostream& out) : out_(out), game_(view_, clock_, sound_, random_) {}

void Scenario::requireWindow() const {
  if (!loaded_) throw ScenarioError("the window is not open yet");
}

bool Scenario::run(std::string_view line) {
  const std::vector<std::string_view> w = words(line);
  if (w.empty() || w[0].front() == '#') return true;
  const std::string_view command = w[0];

  if (command == "rand") {
    if (w.size() < 2) throw ScenarioError("rand needs at least one number");
    for (std::size_t n = 1; n < w.size(); ++n) random_.append(randomNumber(w[n]));
  } else if (command == "load") {
    expectArguments(w, 0);
    if (loaded_) throw ScenarioError("the window is already open");
    loaded_ = true;
    game_.formLoad();
  } else if (command == "start" || command == "stop" || command == "sound") {
    expectArguments(w, 0);
    requireWindow();
    const Screen& screen = game_.screen();
    if (command == "start" && screen.startEnabled) game_.mnustartClick();
    if (command == "stop" && screen.stopEnabled) game_.mnustopClick();
    if (command == "sound") game_.mnusoundClick();
  } else if (command == "exit" || command == "unload") {
    expectArguments(w, 0);
    requireWindow();
    if (command == "exit") {
      game_.mnuexitClick();
    } else {
      game_.formUnload();
    }
    return false;
  } else if (command == "click" || command == "buoy") {
    expectArguments(w, 1);
    const bool cell = command == "click";
    const int index = static_cast<int>(wholeNumber(w[1], 0, cell ? kCells - 1 : 4));
    requireWindow();
    const Control control = cell ? Control::Picarea : Control::Cmdbuoy;
    if (game_.clickable(control, index)) {
      if (cell) {
        game_.picareaClick(index);
      } else {
        game_.cmdbuoyClick(index);
      }
    }
  } else if (command == "advance") {
    expectArguments(w, 1);
    const std::int64_t ms = wholeNumber(w[1], 0, kLongestAdvance);
    requireWindow();
    clock_.advance(ms, [this](Timer timer) { game_.onTimer(timer); });
  } else if (command == "dump") {
    expectArguments(w, 0);
    dumpState(out_, game_, clock_.now(), random_.drawn());
  } else {
    throw ScenarioError("unknown command: " + std::string(command));
  }
  return true;
}

int runScenario(std::istream& in, std::ostream& out, std::ostream& err) {
  Scenario scenario(out);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    try {
      if (!scenario.run(line)) break;
    } catch (const std::exception& e) {
      out.flush();
      err << "error: line " << number << ": " << e.what() << '\n';
      return 2;
    }
  }
  return 0;
}

}  // namespace kalvenor
