// SPDX-License-Identifier: GPL-3.0-or-later
#include "event.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <string_view>
#include <utility>

namespace kalvenor::fuzz {

namespace {

using Kind = Event::Kind;

constexpr std::pair<std::string_view, Kind> kWords[] = {
    {"rand", Kind::Rand},   {"load", Kind::Load},     {"start", Kind::Start}, {"stop", Kind::Stop},
    {"sound", Kind::Sound}, {"exit", Kind::Exit},     {"unload", Kind::Unload},
    {"click", Kind::Click}, {"buoy", Kind::Buoy},     {"advance", Kind::Advance},
};

std::string_view wordFor(Kind kind) {
  for (const auto& [word, k] : kWords) {
    if (k == kind) return word;
  }
  return "?";
}

bool takesValue(Kind kind) { return kind == Kind::Click || kind == Kind::Buoy || kind == Kind::Advance; }

// A number 0 <= r < 1 as the game's single-precision sequence holds it.
float sequenceNumber(double value) {
  if (!(value >= 0 && value < 1)) throw ScenarioSyntaxError("random number out of range");
  const float r = static_cast<float>(value);
  return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

void readLine(const std::string& line, std::vector<Event>& events) {
  std::istringstream words(line);
  std::string word;
  if (!(words >> word) || word.front() == '#' || word == "dump") return;
  Kind kind{};
  bool known = false;
  for (const auto& [w, k] : kWords) {
    if (w == word) {
      kind = k;
      known = true;
    }
  }
  if (!known) throw ScenarioSyntaxError("unknown command " + word);
  if (kind == Kind::Rand) {
    double value = 0;
    while (words >> value) events.push_back({Kind::Rand, 0, sequenceNumber(value)});
  } else if (takesValue(kind)) {
    long long value = -1;
    if (!(words >> value) || value < 0) throw ScenarioSyntaxError(word + " needs a whole number");
    events.push_back({kind, value});
  } else {
    events.push_back({kind});
  }
  if (!(words >> std::ws).eof()) throw ScenarioSyntaxError("unexpected text after " + word);
}

}  // namespace

std::vector<Event> readScenario(std::istream& in) {
  std::vector<Event> events;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    try {
      readLine(line, events);
    } catch (const ScenarioSyntaxError& e) {
      throw ScenarioSyntaxError("line " + std::to_string(number) + ": " + e.what());
    }
  }
  return events;
}

void writeScenario(std::ostream& out, const std::vector<float>& drawn, const std::vector<Event>& events) {
  constexpr std::size_t kNumbersPerLine = 16;
  for (std::size_t n = 0; n < drawn.size(); ++n) {
    // The shortest decimal of the number's exact value reads back exactly.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(drawn[n]),
                                   std::chars_format::fixed).ptr;
    out << (n % kNumbersPerLine == 0 ? "rand " : " ") << std::string_view(text, end - text)
        << (n % kNumbersPerLine == kNumbersPerLine - 1 || n + 1 == drawn.size() ? "\n" : "");
  }
  for (const Event& event : events) {
    if (event.kind == Kind::Rand) continue;  // drawn numbers are all written above
    out << wordFor(event.kind);
    if (takesValue(event.kind)) out << ' ' << event.value;
    out << '\n';
  }
}

}  // namespace kalvenor::fuzz
