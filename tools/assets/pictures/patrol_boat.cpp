// SPDX-License-Identifier: GPL-3.0-or-later
// Class D: a patrol boat, short, with a high bow and a big wheelhouse.

#include "pictures/ship_design.h"
#include "pictures/ship_parts.h"
#include "lettering/vector_font.h"

namespace kalvenor::assets {
namespace {

void paintPatrolBoat(QPainter& painter) {
  QPainterPath hull;
  hull.moveTo(-42, 6);
  hull.lineTo(36, 6);
  hull.quadTo(43, 2, 47, -11);
  hull.quadTo(22, -7.5, 0, -6.5);
  hull.lineTo(-44, -6);
  hull.lineTo(-44.5, 1);
  hull.closeSubpath();
  parts::hull(painter, hull, QColor(0x74, 0x80, 0x8a));
  lettering::Lettering(4.2, 0.7).draw(painter, "P9", QPointF(34, -4.2), QColor(0xee, 0xf2, 0xf4));

  // Wheelhouse with a wide dark window band.
  QPainterPath house;
  house.moveTo(-4, -6.6);
  house.lineTo(20, -6.8);
  house.lineTo(17, -17);
  house.lineTo(-2, -17);
  house.closeSubpath();
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.setBrush(QColor(0xd9, 0xde, 0xe2));
  painter.drawPath(house);
  painter.setPen(Qt::NoPen);
  painter.setBrush(parts::kWindow);
  painter.drawRect(QRectF(-1, -15, 16.5, 3));
  parts::mast(painter, QPointF(8, -17), 12, 8);

  parts::turret(painter, QPointF(31, -8.5), 3.2, 1, true);
  parts::block(painter, QRectF(-24, -10.5, 10, 4.3), QColor(0xd9, 0xde, 0xe2));
  painter.setPen(QPen(parts::kOutline, 0.4));
  painter.drawLine(QPointF(-43, -8.6), QPointF(-26, -8.6));
}

}  // namespace

ShipDesign patrolBoatDesign() {
  return {.length = 92,
          .freeboard = 6.5,
          .sternHeight = 6,
          .damageSpots = {{8, -13}, {-20, -8}},
          .paint = paintPatrolBoat};
}

}  // namespace kalvenor::assets
