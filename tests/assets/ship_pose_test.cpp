// SPDX-License-Identifier: GPL-3.0-or-later
// How each class lies in the water as it takes hits and as it sinks.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "pictures/ship_design.h"
#include "pictures/ship_scene.h"

namespace kalvenor::assets {
namespace {

// Height above the image's waterline of the stern's top edge (negative: under water).
double sternAboveWater(const ShipDesign& design, const ShipPose& pose) {
  const double angle = pose.pitchDegrees * std::numbers::pi / 180;
  return design.length / 2 * std::sin(angle) + design.sternHeight * std::cos(angle) - pose.sink;
}

class ShipPoses : public ::testing::TestWithParam<ShipDesign (*)()> {};

TEST_P(ShipPoses, HitsLowerTheShipStepByStep) {
  double lastSink = -1;
  double lastPitch = -1;
  for (double damage = 0; damage <= 1.0; damage += 0.25) {
    const ShipPose pose = afloatPose(damage);
    EXPECT_GT(pose.sink, lastSink);
    EXPECT_GT(pose.pitchDegrees, lastPitch);
    lastSink = pose.sink;
    lastPitch = pose.pitchDegrees;
  }
  EXPECT_GT(sternAboveWater(GetParam()(), afloatPose(1)), 0) << "still afloat after the last hit";
}

TEST_P(ShipPoses, SinkingGoesOnFromTheLastHitUntilOnlyTheSternShows) {
  const ShipDesign design = GetParam()();
  ShipPose previous = afloatPose(1);
  for (int step = 1; step <= 10; ++step) {
    const ShipPose pose = sinkingPose(design, step / 10.0);
    EXPECT_GT(pose.sink, previous.sink) << "step " << step;
    EXPECT_GT(pose.pitchDegrees, previous.pitchDegrees) << "step " << step;
    previous = pose;
  }
  const double stern = sternAboveWater(design, sinkingPose(design, 1));
  EXPECT_GT(stern, 2);
  EXPECT_LT(stern, 6);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, ShipPoses,
                         ::testing::Values(carrierDesign, cruiserDesign, destroyerDesign, patrolBoatDesign));

}  // namespace
}  // namespace kalvenor::assets
