// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One ship on the water at a given pose, with its damage, smoke and, while it
// sinks, the bubbles around it. The sea below the waterline hides whatever
// part of the ship is under water.

#include <QPainter>
#include <cstdint>

#include "pictures/ship_design.h"

namespace kalvenor::assets {

struct ShipPose {
  double sink;          // pixels below its normal waterline
  double pitchDegrees;  // bow down
};

// The pose after the given share (0..1) of the ship's cells were hit.
ShipPose afloatPose(double damage);

// The pose at `progress` (0 < progress <= 1) of the sinking: at 1 only the
// stern's edge still shows above the water.
ShipPose sinkingPose(const ShipDesign& design, double progress);

struct ShipState {
  ShipPose pose;
  int hits;         // damage spots shown, from the first
  double sinking;   // 0 afloat, up to 1 at the last frame with the ship in view
  std::uint32_t seed;
};

void paintShipScene(QPainter& painter, const ShipDesign& design, const ShipState& state);

}  // namespace kalvenor::assets
