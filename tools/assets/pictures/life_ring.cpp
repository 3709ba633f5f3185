// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/life_ring.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "lettering/vector_font.h"

namespace kalvenor::assets {
namespace {

constexpr QPointF kCentre{100.5, 24.5};
constexpr double kOuter = 16.5;
constexpr double kInner = 9;

QPainterPath ringSegment(double startDegrees, double spanDegrees) {
  const QRectF outer(kCentre - QPointF(kOuter, kOuter), QSizeF(2 * kOuter, 2 * kOuter));
  const QRectF inner(kCentre - QPointF(kInner, kInner), QSizeF(2 * kInner, 2 * kInner));
  QPainterPath segment;
  segment.arcMoveTo(outer, startDegrees);
  segment.arcTo(outer, startDegrees, spanDegrees);
  segment.arcTo(inner, startDegrees + spanDegrees, -spanDegrees);
  segment.closeSubpath();
  return segment;
}

QPointF onCircle(double radius, double degrees) {
  const double angle = degrees * std::numbers::pi / 180;
  return kCentre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

void paintRing(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  for (int segment = 0; segment < 8; ++segment) {
    QRadialGradient shading(kCentre + QPointF(-4, -5), kOuter * 1.4);
    const QColor colour = segment % 2 == 0 ? QColor(0xd9, 0x22, 0x1e) : QColor(0xfa, 0xfa, 0xf6);
    shading.setColorAt(0, colour.lighter(112));
    shading.setColorAt(1, colour.darker(125));
    painter.setBrush(shading);
    painter.drawPath(ringSegment(22.5 + segment * 45, 45));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x5a, 0x1a, 0x18), 0.7));
  painter.drawEllipse(kCentre, kOuter, kOuter);
  painter.drawEllipse(kCentre, kInner, kInner);
}

// The grab line, held to the ring at four points and sagging between them.
void paintRope(QPainter& painter) {
  painter.setPen(QPen(QColor(0xe8, 0xd8, 0xa8), 1.0, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double from = 22.5 + quarter * 90 + 45;
    QPainterPath rope(onCircle(kOuter - 0.5, from));
    rope.quadTo(onCircle(kOuter + 4.5, from + 45), onCircle(kOuter - 0.5, from + 90));
    painter.drawPath(rope);
  }
}

void paintLapping(QPainter& painter) {
  painter.setPen(QPen(QColor(255, 255, 255, 220), 0.9, Qt::SolidLine, Qt::RoundCap));
  const double y = kCentre.y() + kOuter;
  for (double dx : {-14.0, -6.0, 4.0, 12.0}) {
    QPainterPath wave(QPointF(kCentre.x() + dx - 3, y + 0.5));
    wave.quadTo(kCentre.x() + dx, y - 1, kCentre.x() + dx + 3, y + 0.5);
    painter.drawPath(wave);
  }
}

}  // namespace

void paintLifeRing(QPainter& painter) {
  painter.save();
  paintRing(painter);
  paintRope(painter);
  paintLapping(painter);
  const lettering::Lettering letters(8.5, 1.7);
  const QPointF textCentre(kCentre.x(), 54);
  letters.draw(painter, "S.O.S.", textCentre + QPointF(0.6, 0.7), QColor(0x12, 0x2e, 0x52));
  letters.draw(painter, "S.O.S.", textCentre, QColor(0xff, 0xff, 0xff));
  painter.restore();
}

}  // namespace kalvenor::assets
