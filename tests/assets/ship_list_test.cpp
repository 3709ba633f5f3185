// SPDX-License-Identifier: GPL-3.0-or-later
// The order of the ship list: which ship each image shows and how it sinks.

#include <gtest/gtest.h>

#include <array>

#include "committed_pictures.h"
#include "lettering/canvas.h"
#include "pictures/sea_background.h"
#include "pictures/ship_list.h"

namespace kalvenor::assets::testing {
namespace {

struct Block {
  const char* ship;
  int intact;
  int cells;
  int lastFrame;  // the empty sea that closes the block
};

constexpr std::array<const char*, 4> kNames{"carrier", "cruiser", "destroyer", "patrol boat"};
static_assert(kNames.size() == kShipBlocks.size());

const std::array<Block, 4> kBlocks = [] {
  std::array<Block, 4> blocks{};
  for (std::size_t c = 0; c < blocks.size(); ++c) {
    const ShipBlock& b = kShipBlocks[c];
    blocks[c] = {kNames[c], b.firstImage, b.cells, b.firstImage + b.cells + b.sinkingFrames};
  }
  return blocks;
}();
constexpr int kLifeRing = kLifeRingImage;
constexpr int kWaterline = 50;

TEST(ShipList, IntactShipsOfTheFourClassesHaveClearlyDifferentLengths) {
  for (std::size_t i = 1; i < kBlocks.size(); ++i) {
    const int larger = hullLengthAtWaterline(committedShip(kBlocks[i - 1].intact));
    const int smaller = hullLengthAtWaterline(committedShip(kBlocks[i].intact));
    EXPECT_GT(larger, smaller + 10) << kBlocks[i - 1].ship << " against " << kBlocks[i].ship;
  }
}

TEST(ShipList, EachHitShowsTheSameShipWithMoreDamage) {
  for (const Block& block : kBlocks) {
    const int length = hullLengthAtWaterline(committedShip(block.intact));
    for (int hits = 1; hits <= block.cells; ++hits) {
      const QImage image = committedShip(block.intact + hits);
      EXPECT_NEAR(hullLengthAtWaterline(image), length, 8) << block.ship << " after " << hits << " hits";
      EXPECT_NE(image, committedShip(block.intact + hits - 1)) << block.ship << " after " << hits << " hits";
    }
  }
}

TEST(ShipList, SinkingFramesShowLessAndLessShipAboveTheWater) {
  const int aboveBubbles = kWaterline - 4;
  for (const Block& block : kBlocks) {
    const int afterLastHit = shipPixels(committedShip(block.intact + block.cells), 0, aboveBubbles);
    const int firstFrame = shipPixels(committedShip(block.intact + block.cells + 1), 0, aboveBubbles);
    const int lastShipFrame = shipPixels(committedShip(block.lastFrame - 1), 0, aboveBubbles);
    EXPECT_LT(firstFrame, afterLastHit) << block.ship;
    EXPECT_LT(lastShipFrame * 4, afterLastHit) << block.ship;
    EXPECT_GT(lastShipFrame, 0) << block.ship << ": something should still show before the empty sea";
  }
}

TEST(ShipList, LastSinkingFrameIsTheBareSeaAndTheFrameBeforeIsNot) {
  const QImage sea = bareSea();
  const QImage sharpSea = lettering::paintPicture(kShipImageSize, 2, paintSeaBackground);
  for (const Block& block : kBlocks) {
    const QString name = QStringLiteral("ship%1").arg(block.lastFrame);
    EXPECT_EQ(committedShip(block.lastFrame), sea) << block.ship;
    EXPECT_EQ(committedPicture(name + "@2x.png"), sharpSea) << block.ship;
    EXPECT_NE(committedShip(block.lastFrame - 1), sea) << block.ship;
  }
}

TEST(ShipList, LifeRingIsUnlikeEveryOtherImage) {
  const QImage ring = committedShip(kLifeRing);
  EXPECT_NE(ring, bareSea());
  for (int n = 0; n < kLifeRing; ++n) EXPECT_NE(ring, committedShip(n)) << "image " << n;
}

}  // namespace
}  // namespace kalvenor::assets::testing
