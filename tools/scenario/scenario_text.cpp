// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

namespace kalvenor {

namespace {

using Kind = Event::Kind;

// A command's word, and the range of its one whole-number argument if it
// takes one.
struct Command {
  std::string_view word;
  Kind kind;
  bool takesValue = false;
  std::int64_t high = 0;
};

// The longest advance one line may ask for; far more than any script can
// feed Tmr1 with numbers for.
constexpr std::int64_t kLongestAdvance = std::int64_t{1} << 40;

constexpr Command kCommands[] = {
    {"rand", Kind::Rand},   {"load", Kind::Load},
    {"start", Kind::Start}, {"stop", Kind::Stop},
    {"sound", Kind::Sound}, {"exit", Kind::Exit},
    {"unload", Kind::Unload},
    {"click", Kind::Click, true, 749},
    {"buoy", Kind::Buoy, true, 4},
    {"advance", Kind::Advance, true, kLongestAdvance},
    {"dump", Kind::Dump},
};

const Command& commandFor(Kind kind) {
  for (const Command& c : kCommands) {
    if (c.kind == kind) return c;
  }
  throw ScenarioError("an event with no command");
}

// A word as an error shows it: cut to a few dozen bytes, every byte that is
// not printable ASCII (or is a backslash) written as \xNN.
std::string shown(std::string_view word) {
  constexpr std::size_t kLongest = 32;
  std::string text;
  for (const char c : word.substr(0, kLongest)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && byte != '\\') {
      text += c;
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      text += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return word.size() > kLongest ? text + "..." : text;
}

// The length of the UTF-8 sequence at the start of `text`, or 0 if it is not
// a well-formed one (a stray continuation, an overlong form, a surrogate,
// past U+10FFFF, or cut short).
std::size_t sequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
  struct Form {
    unsigned char leadLow, leadHigh;
    std::size_t length;
    unsigned char secondLow, secondHigh;
  };
  // The well-formed sequences, by their first byte, and the range their
  // second byte must lie in; any further byte lies in 0x80 to 0xbf.
  constexpr Form kForms[] = {
      {0x00, 0x7f, 1, 0, 0},       {0xc2, 0xdf, 2, 0x80, 0xbf}, {0xe0, 0xe0, 3, 0xa0, 0xbf},
      {0xe1, 0xec, 3, 0x80, 0xbf}, {0xed, 0xed, 3, 0x80, 0x9f}, {0xee, 0xef, 3, 0x80, 0xbf},
      {0xf0, 0xf0, 4, 0x90, 0xbf}, {0xf1, 0xf3, 4, 0x80, 0xbf}, {0xf4, 0xf4, 4, 0x80, 0x8f},
  };
  for (const Form& form : kForms) {
    if (byte(0) < form.leadLow || byte(0) > form.leadHigh) continue;
    if (text.size() < form.length) return 0;
    if (form.length > 1 && (byte(1) < form.secondLow || byte(1) > form.secondHigh)) return 0;
    for (std::size_t n = 2; n < form.length; ++n) {
      if (byte(n) < 0x80 || byte(n) > 0xbf) return 0;
    }
    return form.length;
  }
  return 0;
}

// A scenario is text: a NUL byte or a byte that is not UTF-8 means the file
// is something else, or damaged. Columns count bytes from 1.
void requireText(std::string_view line) {
  for (std::size_t column = 0; column < line.size();) {
    if (line[column] == '\0') throw ScenarioError("a NUL byte at column " + std::to_string(column + 1));
    const std::size_t length = sequenceLength(line.substr(column));
    if (length == 0) {
      throw ScenarioError("a byte that is not UTF-8 (" + shown(line.substr(column, 1)) + ") at column " +
                          std::to_string(column + 1));
    }
    column += length;
  }
}

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

std::int64_t wholeNumber(std::string_view word, std::int64_t high) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec == std::errc::result_out_of_range) throw ScenarioError("value out of range: " + shown(word));
  if (ec != std::errc() || end != word.data() + word.size()) {
    throw ScenarioError("not a whole number: " + shown(word));
  }
  if (value < 0 || value > high) throw ScenarioError("value out of range: " + shown(word));
  return value;
}

// A decimal 0 <= r < 1, taken as a single-precision number. A decimal just
// below 1 that rounds up to 1 becomes the largest number below 1.
float randomNumber(std::string_view word) {
  double value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
    throw ScenarioError("not a decimal number: " + shown(word));
  }
  if (value < 0 || value >= 1) throw ScenarioError("random number out of range: " + shown(word));
  const float r = static_cast<float>(value);
  return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

}  // namespace

std::string_view withoutByteOrderMark(std::string_view firstLine) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return firstLine.starts_with(kMark) ? firstLine.substr(kMark.size()) : firstLine;
}

std::vector<Event> readLine(std::string_view line) {
  requireText(line);
  const std::vector<std::string_view> w = words(line);
  if (w.empty() || w[0].front() == '#') return {};
  const Command* command = nullptr;
  for (const Command& c : kCommands) {
    if (c.word == w[0]) command = &c;
  }
  if (command == nullptr) throw ScenarioError("unknown command: " + shown(w[0]));

  if (command->kind == Kind::Rand) {
    if (w.size() < 2) throw ScenarioError("rand needs at least one number");
    std::vector<Event> numbers;
    for (std::size_t n = 1; n < w.size(); ++n) numbers.push_back({Kind::Rand, 0, randomNumber(w[n])});
    return numbers;
  }
  const std::size_t arguments = command->takesValue ? 1 : 0;
  if (w.size() != arguments + 1) {
    throw ScenarioError(std::string(w[0]) + " takes " + std::to_string(arguments) + " argument" +
                        (arguments == 1 ? "" : "s"));
  }
  return {{command->kind, command->takesValue ? wholeNumber(w[1], command->high) : 0}};
}

std::vector<Event> readScenario(std::istream& in) {
  std::vector<Event> events;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    try {
      for (const Event& event : readLine(number == 1 ? withoutByteOrderMark(line) : line)) events.push_back(event);
    } catch (const ScenarioError& e) {
      throw ScenarioError("line " + std::to_string(number) + ": " + e.what());
    }
  }
  return events;
}

void writeScenario(std::ostream& out, const std::vector<Event>& events) {
  constexpr int kNumbersPerLine = 16;
  int onLine = 0;  // numbers on the rand line being written
  for (const Event& event : events) {
    if (event.kind == Kind::Rand) {
      // The shortest fixed decimal of the number's exact value reads back exactly.
      char text[64];
      const auto end =
          std::to_chars(text, text + sizeof text, static_cast<double>(event.number), std::chars_format::fixed).ptr;
      out << (onLine == 0 ? "rand " : " ") << std::string_view(text, static_cast<std::size_t>(end - text));
      if (++onLine == kNumbersPerLine) {
        out << '\n';
        onLine = 0;
      }
      continue;
    }
    if (onLine > 0) out << '\n';
    onLine = 0;
    const Command& command = commandFor(event.kind);
    out << command.word;
    if (command.takesValue) out << ' ' << event.value;
    out << '\n';
  }
  if (onLine > 0) out << '\n';
}

}  // namespace kalvenor
