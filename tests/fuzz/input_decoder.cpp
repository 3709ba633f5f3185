// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_decoder.h"

#include <algorithm>
#include <bit>

#include "rules.h"

namespace kalvenor::fuzz {

namespace {

using Kind = Event::Kind;

enum Op : std::uint8_t {
  kStart, kStop, kSound, kClickCell, kClickShip, kClickNextShipCell, kClickBesideShip, kClickBuoyCell,
  kBuoyButton, kAdvanceShort, kAdvanceLong, kAdvanceToTick, kRandom, kReseed, kAdvanceExactly, kSinkTheFleet, kOps,
};
constexpr std::uint8_t kUnloadByte = 0xFE;
constexpr std::uint8_t kExitByte = 0xFF;
constexpr std::uint32_t kLongestExactAdvance = 0xFFFFFF;
// Time beyond which an input's advances are dropped: Tmr1 ticks every 2 ms,
// and an input should run in milliseconds, not minutes.
constexpr std::int64_t kVirtualTimeBudgetMs = 3 * 60'000;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  // The next `count` bytes, big-endian; false when the input has fewer.
  bool take(int count, std::uint32_t& value) {
    if (size_ - at_ < static_cast<std::size_t>(count)) {
      at_ = size_;
      return false;
    }
    value = 0;
    for (int n = 0; n < count; ++n) value = value << 8 | data_[at_++];
    return true;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

float sequenceNumber(std::uint32_t bits) {
  const float r = std::bit_cast<float>(bits);
  return r >= 0.0f && r < 1.0f ? r : static_cast<float>(bits >> 8) * 0x1p-24f;
}

Event click(int cell) { return {Kind::Click, cell}; }

int besideCell(const Frmsea& game, std::uint32_t slot, std::uint32_t direction) {
  constexpr int kRowSteps[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
  constexpr int kColumnSteps[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
  const int cell = game.shipcell[slot % kSlots];
  const int row = rowOf(cell) + kRowSteps[direction % 8];
  const int column = columnOf(cell) + kColumnSteps[direction % 8];
  return onGrid(row, column) ? row * kColumns + column : -1;
}

int firstShipCellNotHit(const Frmsea& game) {
  for (int j = 0; j < kSlots; ++j) {
    if (game.cellhit[j] == 0) return game.shipcell[j];
  }
  return -1;
}

void sinkTheFleet(CheckedGame& game) {
  const Frmsea& state = game.game();
  for (int j = 0; j < kSlots; ++j) {
    if (state.cellhit[j] == 1) continue;
    game.apply(click(state.shipcell[j]));
    // The rules catch a sinking that never ends; the bound stops the loop.
    // A sinking ends on a tick of Tmr3, which it started with the shot.
    const std::int64_t step = intervalMs(Timer::Tmr3);
    for (std::int64_t waited = 0; state.busy == 1 && waited <= 2 * kLongestSinkingMs; waited += step) {
      game.apply({Kind::Advance, step});
    }
  }
}

// Plays one operation; false when the program has ended or the input ran dry.
bool playOperation(Reader& in, CheckedGame& game) {
  std::uint32_t op = 0;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  if (!in.take(1, op)) return false;
  if (op == kExitByte || op == kUnloadByte) {
    game.apply({op == kExitByte ? Kind::Exit : Kind::Unload});
    return false;
  }
  const Frmsea& state = game.game();
  const bool timeLeft = game.now() < kVirtualTimeBudgetMs;
  switch (op % kOps) {
    case kStart: game.apply({Kind::Start}); break;
    case kStop: game.apply({Kind::Stop}); break;
    case kSound: game.apply({Kind::Sound}); break;
    case kClickCell:
      if (in.take(2, a)) game.apply(click(static_cast<int>(a % kCells)));
      break;
    case kClickShip:
      if (in.take(1, a)) game.apply(click(state.shipcell[a % kSlots]));
      break;
    case kClickNextShipCell:
      if (const int cell = firstShipCellNotHit(state); cell >= 0) game.apply(click(cell));
      break;
    case kClickBesideShip:
      if (in.take(1, a) && in.take(1, b)) {
        if (const int cell = besideCell(state, a, b); cell >= 0) game.apply(click(cell));
      }
      break;
    case kClickBuoyCell: game.apply(click(state.buoycell)); break;
    case kBuoyButton:
      if (in.take(1, a)) game.apply({Kind::Buoy, a % 5});
      break;
    case kAdvanceShort:
      if (in.take(1, a) && timeLeft) game.apply({Kind::Advance, a});
      break;
    case kAdvanceLong:
      if (in.take(1, a) && timeLeft) game.apply({Kind::Advance, (a + 1) * 200});
      break;
    case kAdvanceToTick:
      if (timeLeft) game.advanceToNextGameTick();
      break;
    case kRandom:
      if (in.take(4, a)) game.apply({Kind::Rand, 0, sequenceNumber(a)});
      break;
    case kReseed:
      if (in.take(4, a)) game.reseed(a);
      break;
    case kAdvanceExactly:
      if (in.take(3, a) && timeLeft) game.apply({Kind::Advance, std::min<std::int64_t>(a, kVirtualTimeBudgetMs)});
      break;
    case kSinkTheFleet: sinkTheFleet(game); break;
  }
  return !game.ended();
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int n = bytes - 1; n >= 0; --n) out.push_back(static_cast<std::uint8_t>(value >> (8 * n)));
}

}  // namespace

void playInput(const std::uint8_t* data, std::size_t size, CheckedGame& game) {
  game.apply({Kind::Load});
  Reader in(data, size);
  while (playOperation(in, game)) {
  }
}

std::vector<std::uint8_t> encodeEvents(const std::vector<Event>& events) {
  std::vector<std::uint8_t> out;
  for (const Event& e : events) {
    switch (e.kind) {
      case Kind::Load:
      case Kind::Dump: break;
      case Kind::Rand:
        out.push_back(kRandom);
        put(out, std::bit_cast<std::uint32_t>(e.number), 4);
        break;
      case Kind::Start: out.push_back(kStart); break;
      case Kind::Stop: out.push_back(kStop); break;
      case Kind::Sound: out.push_back(kSound); break;
      case Kind::Exit: out.push_back(kExitByte); break;
      case Kind::Unload: out.push_back(kUnloadByte); break;
      case Kind::Click:
        out.push_back(kClickCell);
        put(out, static_cast<std::uint32_t>(e.value), 2);
        break;
      case Kind::Buoy:
        out.push_back(kBuoyButton);
        put(out, static_cast<std::uint32_t>(e.value), 1);
        break;
      case Kind::Advance: {
        long long left = e.value;
        do {
          const auto step = static_cast<std::uint32_t>(std::min<long long>(left, kLongestExactAdvance));
          out.push_back(kAdvanceExactly);
          put(out, step, 3);
          left -= step;
        } while (left > 0);
        break;
      }
    }
  }
  return out;
}

}  // namespace kalvenor::fuzz
