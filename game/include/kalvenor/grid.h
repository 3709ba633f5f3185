// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sea grid: 30 columns by 25 rows, cells numbered row by row.

#include <array>
#include <cstdint>

namespace kalvenor {

// A cell number 0..749, k = 30 x row + column. Per-cell arrays run 0..750;
// entry 750 is no cell.
using GridIndex = std::int16_t;

inline constexpr int kColumns = 30;
inline constexpr int kRows = 25;
inline constexpr int kCells = kColumns * kRows;

constexpr int columnOf(int k) { return k % kColumns; }
constexpr int rowOf(int k) { return k / kColumns; }
constexpr bool onGrid(int row, int column) {
  return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

// The six background colours a cell can have, as 24-bit values &H00BBGGRR.
enum class CellColour : std::int32_t {
  Grey = 8421504,        // not shot yet
  Cyan = 16776960,       // shot, no ship there
  Red = 255,             // hit, the ship still afloat
  Black = 0,             // hit, the ship sunk
  DarkYellow = 49344,    // a listening buoy lies here
  Yellow = 65535,        // the buoy flashes: a ship is near
};

// The legend shows the colours in this order.
inline constexpr std::array<CellColour, 6> kLegendColours = {
    CellColour::Grey,  CellColour::Cyan,       CellColour::Red,
    CellColour::Black, CellColour::DarkYellow, CellColour::Yellow,
};

// One letter per colour, for dumps and scenario files.
constexpr char colourLetter(CellColour colour) {
  switch (colour) {
    case CellColour::Grey: return 'g';
    case CellColour::Cyan: return 'c';
    case CellColour::Red: return 'r';
    case CellColour::Black: return 'k';
    case CellColour::DarkYellow: return 'd';
    case CellColour::Yellow: return 'y';
  }
  return '?';
}

}  // namespace kalvenor
