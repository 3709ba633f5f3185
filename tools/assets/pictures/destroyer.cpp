// SPDX-License-Identifier: GPL-3.0-or-later
// Class C: a destroyer, low and sleek, with a raised forecastle and one funnel.

#include "pictures/ship_design.h"
#include "pictures/ship_parts.h"

namespace kalvenor::assets {
namespace {

void paintDestroyer(QPainter& painter) {
  QPainterPath hull;
  hull.moveTo(-64, 8);
  hull.lineTo(60, 8);
  hull.quadTo(66, 2, 70, -12.5);
  hull.quadTo(40, -11, 18, -11);
  hull.lineTo(16, -8);
  hull.lineTo(-64, -8);
  hull.quadTo(-68, -8, -68, -5);
  hull.lineTo(-67, 2);
  hull.closeSubpath();
  parts::hull(painter, hull);

  parts::turret(painter, QPointF(47, -11.5), 5, 1, true);
  parts::turret(painter, QPointF(-52, -8), 5, 1, false);

  // Bridge with a sloped front, and a lattice mast behind it.
  QPainterPath bridge;
  bridge.moveTo(17, -11);
  bridge.lineTo(36, -11);
  bridge.lineTo(33, -20);
  bridge.lineTo(19, -20);
  bridge.closeSubpath();
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.setBrush(parts::kSuperstructureGrey);
  painter.drawPath(bridge);
  parts::windows(painter, QPointF(22, -17.6), 4, 2.8, 1.3);
  parts::block(painter, QRectF(19.5, -24, 10, 4));
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.drawLine(QPointF(21, -24), QPointF(24.5, -34));
  painter.drawLine(QPointF(28, -24), QPointF(24.5, -34));
  parts::mast(painter, QPointF(24.5, -30), 8, 9);

  parts::funnel(painter, QPointF(0, -8), 10, 15, 3.5);
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.setBrush(QColor(0xe4, 0xe8, 0xea));
  painter.drawEllipse(QPointF(10, -11.5), 2.6, 2.6);

  // Torpedo tubes amidships and a low deckhouse aft.
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.setBrush(parts::kSuperstructureGrey.darker(112));
  painter.drawRoundedRect(QRectF(-22, -10.8, 12, 2.4), 1, 1);
  parts::block(painter, QRectF(-42, -12.5, 13, 4.5));
}

}  // namespace

ShipDesign destroyerDesign() {
  return {.length = 138,
          .freeboard = 8,
          .sternHeight = 8,
          .damageSpots = {{4, -14}, {30, -15}, {-36, -10}},
          .paint = paintDestroyer};
}

}  // namespace kalvenor::assets
