// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's ship list (kalvenor/fleet.h) as the painter reads it: which
// class each image shows, and whether afloat, sinking or the life ring.

#include <array>

#include "kalvenor/fleet.h"

namespace kalvenor::assets {

// The drawing of each of the game's classes A to D, in that order.
enum class ShipClass { Carrier, Cruiser, Destroyer, PatrolBoat };
static_assert(kClasses.size() == 4, "one drawing per ship class");

struct ShipBlock {
  ShipClass shipClass;
  int firstImage;     // the intact ship
  int cells;          // hits it takes; images firstImage + 1 .. firstImage + cells
  int sinkingFrames;  // the images after those, the last an empty sea
};

inline constexpr std::array<ShipBlock, 4> kShipBlocks = [] {
  std::array<ShipBlock, 4> blocks{};
  for (std::size_t c = 0; c < blocks.size(); ++c) {
    const ShipClassInfo& info = kClasses[c];
    blocks[c] = {static_cast<ShipClass>(c), info.intactImage, info.cells, info.sinkingFrames};
  }
  return blocks;
}();

struct ShipImageRole {
  enum class Kind { Afloat, Sinking, LifeRing };
  Kind kind;
  ShipBlock block;  // unused for the life ring
  int step;         // Afloat: hits taken; Sinking: frame from 0
};

// Throws std::out_of_range for an index outside the list.
ShipImageRole shipImageRole(int index);

}  // namespace kalvenor::assets
