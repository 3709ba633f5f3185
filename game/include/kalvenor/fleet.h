// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's fleet: ten ships in four classes, 31 cells in all.

#include <array>

namespace kalvenor {

inline constexpr int kShips = 10;
inline constexpr int kSlots = 31;  // shipcell / cellhit entries 0..30

enum class ShipClass { A, B, C, D };

struct ShipClassInfo {
  int cells;          // N: the ship's length in cells
  int intactImage;    // B: the ship list image of the intact ship
  int lastSinkingStep;  // the last hits() value that shows a sinking frame
  int endStep;        // E: hits() value at which the life ring shows
};

inline constexpr std::array<ShipClassInfo, 4> kClasses = {{
    {6, 0, 14, 15},   // A
    {4, 15, 15, 16},  // B
    {3, 31, 11, 12},  // C
    {2, 43, 7, 8},    // D
}};

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

// Image 51 closes every sinking sequence: the life ring.
inline constexpr int kLifeRingImage = 51;
inline constexpr int kShipImages = 52;

}  // namespace kalvenor
