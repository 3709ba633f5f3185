// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ship_list.h"

#include <stdexcept>
#include <string>

namespace kalvenor::assets {

ShipImageRole shipImageRole(int index) {
  if (index == kLifeRingImage) return {ShipImageRole::Kind::LifeRing, kShipBlocks[0], 0};
  for (const ShipBlock& block : kShipBlocks) {
    const int step = index - block.firstImage;
    if (step >= 0 && step <= block.cells) return {ShipImageRole::Kind::Afloat, block, step};
    const int frame = step - block.cells - 1;
    if (step >= 0 && frame < block.sinkingFrames) return {ShipImageRole::Kind::Sinking, block, frame};
  }
  throw std::out_of_range("no ship image " + std::to_string(index));
}

}  // namespace kalvenor::assets
