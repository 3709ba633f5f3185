// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's fleet: ten ships in four classes, 31 cells in all.

#include <array>
#include <cstddef>

namespace kalvenor {

inline constexpr int kShips = 10;
inline constexpr int kSlots = 31;  // shipcell / cellhit entries 0..30

enum class ShipClass { A, B, C, D };

// The ship list, one picture per entry: for each class in turn a block of
// the intact ship, the ship after each hit and its sinking frames (the last
// an empty sea); then the life ring that closes every sinking.
struct ShipClassInfo {
  int cells;            // N: the ship's length in cells
  int sinkingFrames;    // the block's pictures after the last hit
  int intactImage;      // B: the ship list image of the intact ship
  int lastSinkingStep;  // the last hits() value that shows a sinking frame
  int endStep;          // E: hits() value at which the life ring shows
};

// Classes A to D as {cells, sinking frames}; the rest follows from them.
constexpr std::array<ShipClassInfo, 4> shipList(std::array<std::array<int, 2>, 4> classes) {
  std::array<ShipClassInfo, 4> list{};
  int image = 0;
  for (std::size_t c = 0; c < classes.size(); ++c) {
    const auto [cells, frames] = classes[c];
    list[c] = {cells, frames, image, cells + frames, cells + frames + 1};
    image += cells + frames + 1;
  }
  return list;
}

inline constexpr std::array<ShipClassInfo, 4> kClasses = shipList({{{6, 8}, {4, 11}, {3, 8}, {2, 5}}});

// The life ring closes the list, after the last class's block.
inline constexpr int kLifeRingImage = kClasses.back().intactImage + kClasses.back().endStep;
inline constexpr int kShipImages = kLifeRingImage + 1;

struct Ship {
  ShipClass shipClass;
  int firstSlot;  // first shipcell slot; the ship owns cells() slots from here
};

inline constexpr std::array<Ship, kShips> kFleet = {{
    {ShipClass::A, 0},
    {ShipClass::B, 6},
    {ShipClass::B, 10},
    {ShipClass::C, 14},
    {ShipClass::C, 17},
    {ShipClass::C, 20},
    {ShipClass::D, 23},
    {ShipClass::D, 25},
    {ShipClass::D, 27},
    {ShipClass::D, 29},
}};

constexpr const ShipClassInfo& classOf(int ship) {
  return kClasses[static_cast<int>(kFleet[ship].shipClass)];
}

}  // namespace kalvenor
