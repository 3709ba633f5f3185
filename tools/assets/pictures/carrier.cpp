// SPDX-License-Identifier: GPL-3.0-or-later
// Class A: an aircraft carrier, a long flat deck with the island to starboard.

#include "pictures/ship_design.h"
#include "pictures/ship_parts.h"
#include "lettering/vector_font.h"

namespace kalvenor::assets {
namespace {

constexpr double kDeckTop = -14.5;

void paintAircraft(QPainter& painter, double x) {
  const double y = kDeckTop;
  painter.setPen(QPen(QColor(0x4c, 0x57, 0x61), 1.3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(x - 3.2, y - 1.2), QPointF(x + 3.6, y - 1.0));
  QPainterPath tail;
  tail.moveTo(x - 3.6, y - 1.2);
  tail.lineTo(x - 4.2, y - 3.8);
  tail.lineTo(x - 2.0, y - 1.4);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x4c, 0x57, 0x61));
  painter.drawPath(tail);
  painter.setBrush(QColor(0x2d, 0x3a, 0x47));
  painter.drawEllipse(QPointF(x + 1.6, y - 1.9), 1.1, 0.7);
}

void paintCarrier(QPainter& painter) {
  QPainterPath hull;
  hull.moveTo(-88, 9);
  hull.lineTo(80, 9);
  hull.quadTo(89, 3, 93, -11.5);
  hull.lineTo(-90, -11.5);
  hull.lineTo(-90, 1);
  hull.closeSubpath();
  parts::hull(painter, hull);

  // Hangar openings and the hull number on the bow.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x26, 0x2c, 0x32));
  for (double x : {-66.0, -34.0, 2.0}) painter.drawRect(QRectF(x, -9.2, 13, 3.6));
  lettering::Lettering(4.6, 0.75).draw(painter, "07", QPointF(76, -6), QColor(0xee, 0xf2, 0xf4));

  // The flight deck overhangs the hull at both ends.
  QPainterPath deck;
  deck.moveTo(-96, kDeckTop);
  deck.lineTo(99, kDeckTop);
  deck.lineTo(95, -11.2);
  deck.lineTo(-92, -11.2);
  deck.closeSubpath();
  painter.setPen(QPen(parts::kOutline, 0.5));
  painter.setBrush(parts::kDeckGrey);
  painter.drawPath(deck);
  painter.setPen(QPen(QColor(0xd8, 0xdc, 0xde), 0.5, Qt::DashLine));
  painter.drawLine(QPointF(-90, kDeckTop + 0.6), QPointF(92, kDeckTop + 0.6));

  // The island.
  parts::block(painter, QRectF(32, -25, 17, 10.5));
  parts::windows(painter, QPointF(35, -22), 5, 2.8, 1.3);
  parts::block(painter, QRectF(35, -29.5, 10, 4.5));
  parts::windows(painter, QPointF(37, -27.4), 3, 2.8, 1.2);
  parts::funnel(painter, QPointF(46, -25), 5, 7, 1.2);
  parts::mast(painter, QPointF(40, -29.5), 12, 8);

  for (double x : {-82.0, -68.0, -54.0, -14.0, 64.0, 80.0}) paintAircraft(painter, x);
}

}  // namespace

ShipDesign carrierDesign() {
  return {.length = 184,
          .freeboard = 14.5,
          .sternHeight = 14.5,
          .damageSpots = {{-60, -14}, {40, -24}, {-22, -13}, {72, -13}, {-80, -8}, {12, -8}},
          .paint = paintCarrier};
}

}  // namespace kalvenor::assets
