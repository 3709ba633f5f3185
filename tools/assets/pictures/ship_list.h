// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order of the 52 ship images: one block per class (intact, after each
// hit, then the sinking frames ending on an empty sea), then the life ring.

#include <array>

namespace kalvenor::assets {

enum class ShipClass { Carrier, Cruiser, Destroyer, PatrolBoat };

struct ShipBlock {
  ShipClass shipClass;
  int firstImage;     // the intact ship
  int cells;          // hits it takes; images firstImage + 1 .. firstImage + cells
  int sinkingFrames;  // the images after those, the last an empty sea
};

inline constexpr std::array<ShipBlock, 4> kShipBlocks{{
    {ShipClass::Carrier, 0, 6, 8},
    {ShipClass::Cruiser, 15, 4, 11},
    {ShipClass::Destroyer, 31, 3, 8},
    {ShipClass::PatrolBoat, 43, 2, 5},
}};
inline constexpr int kLifeRingImage = 51;
inline constexpr int kShipImageCount = 52;

struct ShipImageRole {
  enum class Kind { Afloat, Sinking, LifeRing };
  Kind kind;
  ShipBlock block;  // unused for the life ring
  int step;         // Afloat: hits taken; Sinking: frame from 0
};

// Throws std::out_of_range for an index outside 0..51.
ShipImageRole shipImageRole(int index);

}  // namespace kalvenor::assets
