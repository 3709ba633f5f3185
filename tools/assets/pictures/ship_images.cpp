// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ship_images.h"

#include "pictures/life_ring.h"
#include "pictures/sea_background.h"
#include "pictures/ship_design.h"
#include "pictures/ship_list.h"
#include "pictures/ship_scene.h"

namespace kalvenor::assets {
namespace {

ShipDesign designOf(ShipClass shipClass) {
  switch (shipClass) {
    case ShipClass::Carrier: return carrierDesign();
    case ShipClass::Cruiser: return cruiserDesign();
    case ShipClass::Destroyer: return destroyerDesign();
    case ShipClass::PatrolBoat: return patrolBoatDesign();
  }
  return carrierDesign();
}

void paintAfloat(QPainter& painter, const ShipBlock& block, int hits) {
  const double damage = static_cast<double>(hits) / block.cells;
  paintShipScene(painter, designOf(block.shipClass),
                 {afloatPose(damage), hits, 0.0, static_cast<std::uint32_t>(block.firstImage + 1)});
}

// Every frame but the last shows the ship going down; the last is bare sea.
void paintSinking(QPainter& painter, const ShipBlock& block, int frame) {
  const int framesWithShip = block.sinkingFrames - 1;
  if (frame >= framesWithShip) return;
  const double progress = static_cast<double>(frame + 1) / framesWithShip;
  const ShipDesign design = designOf(block.shipClass);
  paintShipScene(painter, design,
                 {sinkingPose(design, progress), block.cells, progress,
                  static_cast<std::uint32_t>(block.firstImage + 1)});
}

}  // namespace

void paintShipImage(QPainter& painter, int index) {
  const ShipImageRole role = shipImageRole(index);
  paintSeaBackground(painter);
  switch (role.kind) {
    case ShipImageRole::Kind::Afloat: paintAfloat(painter, role.block, role.step); break;
    case ShipImageRole::Kind::Sinking: paintSinking(painter, role.block, role.step); break;
    case ShipImageRole::Kind::LifeRing: paintLifeRing(painter); break;
  }
}

}  // namespace kalvenor::assets
