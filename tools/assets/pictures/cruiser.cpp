// SPDX-License-Identifier: GPL-3.0-or-later
// Class B: a cruiser, three turrets, a tall bridge and two funnels.

#include "pictures/ship_design.h"
#include "pictures/ship_parts.h"

namespace kalvenor::assets {
namespace {

void paintCruiser(QPainter& painter) {
  QPainterPath hull;
  hull.moveTo(-80, 9);
  hull.lineTo(76, 9);
  hull.quadTo(83, 3, 87, -15);
  hull.quadTo(45, -11.5, 10, -10.5);
  hull.lineTo(-70, -10.5);
  hull.quadTo(-82, -10.5, -85, -8);
  hull.lineTo(-84, 2);
  hull.closeSubpath();
  parts::hull(painter, hull);

  parts::turret(painter, QPointF(52, -12.3), 6, 2, true);
  parts::block(painter, QRectF(28, -16, 10, 5));
  parts::turret(painter, QPointF(33, -16), 6, 2, true);
  parts::turret(painter, QPointF(-61, -10.5), 6, 2, false);

  // Bridge, tower and tripod mast.
  parts::block(painter, QRectF(6, -20, 22, 9.5));
  parts::windows(painter, QPointF(9, -17.4), 7, 3, 1.3);
  parts::block(painter, QRectF(10, -26, 15, 6));
  parts::windows(painter, QPointF(12.5, -23.6), 5, 2.6, 1.3);
  parts::block(painter, QRectF(14, -31, 7, 5));
  parts::mast(painter, QPointF(17.5, -31), 12, 10);
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.drawLine(QPointF(17.5, -39), QPointF(22, -31));

  parts::funnel(painter, QPointF(-6, -10.5), 8, 19, 3);
  parts::funnel(painter, QPointF(-22, -10.5), 8, 17, 3);

  parts::block(painter, QRectF(-45, -17, 15, 6.5));
  parts::windows(painter, QPointF(-42.5, -14.5), 4, 3, 1.2);
  parts::mast(painter, QPointF(-37, -17), 9, 6);
}

}  // namespace

ShipDesign cruiserDesign() {
  return {.length = 172,
          .freeboard = 10.5,
          .sternHeight = 10.5,
          .damageSpots = {{18, -24}, {-14, -16}, {50, -14}, {-58, -12}},
          .paint = paintCruiser};
}

}  // namespace kalvenor::assets
