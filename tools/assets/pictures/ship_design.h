// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four ship classes, each drawn from the side in ship coordinates: the
// waterline is y = 0, up is -y, midships is x = 0 and the bow points to +x.

#include <QPainter>
#include <QPointF>
#include <vector>

namespace kalvenor::assets {

struct ShipDesign {
  double length;       // stern to bow
  double freeboard;    // height of the main deck above the waterline, midships
  double sternHeight;  // height of the stern's top edge, the last part to go under
  std::vector<QPointF> damageSpots;  // where hit 1, 2, ... strike, in order
  void (*paint)(QPainter& painter);
};

ShipDesign carrierDesign();
ShipDesign cruiserDesign();
ShipDesign destroyerDesign();
ShipDesign patrolBoatDesign();

}  // namespace kalvenor::assets
