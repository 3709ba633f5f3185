// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ship_parts.h"

#include <QLinearGradient>

namespace kalvenor::assets::parts {

void hull(QPainter& painter, const QPainterPath& shape, const QColor& colour) {
  const QRectF bounds = shape.boundingRect();
  QLinearGradient shading(0, bounds.top(), 0, 0);
  shading.setColorAt(0, colour.lighter(118));
  shading.setColorAt(1, colour.darker(115));
  painter.fillPath(shape, shading);

  painter.save();
  painter.setClipPath(shape, Qt::IntersectClip);
  painter.fillRect(QRectF(bounds.left(), -1.6, bounds.width(), 1.6), QColor(0x1e, 0x22, 0x26));
  painter.fillRect(QRectF(bounds.left(), 0, bounds.width(), bounds.bottom()), QColor(0x8a, 0x2e, 0x26));
  painter.restore();

  painter.setPen(QPen(kOutline, 0.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shape);
}

void block(QPainter& painter, const QRectF& rect, const QColor& colour) {
  painter.setPen(QPen(kOutline, 0.5));
  painter.setBrush(colour);
  painter.drawRect(rect);
  painter.setPen(QPen(colour.lighter(130), 0.6));
  painter.drawLine(QPointF(rect.left() + 0.5, rect.top() + 0.5), QPointF(rect.right() - 0.5, rect.top() + 0.5));
}

void windows(QPainter& painter, QPointF first, int count, double spacing, double size) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWindow);
  for (int i = 0; i < count; ++i) {
    painter.drawRect(QRectF(first.x() + i * spacing - size / 2, first.y() - size / 2, size, size));
  }
}

void turret(QPainter& painter, QPointF base, double size, int barrels, bool towardsBow) {
  const double direction = towardsBow ? 1 : -1;
  painter.setPen(QPen(kOutline, 0.6, Qt::SolidLine, Qt::FlatCap));
  for (int i = 0; i < barrels; ++i) {
    const double y = base.y() - size * (0.45 + 0.22 * i);
    painter.drawLine(QPointF(base.x(), y), QPointF(base.x() + direction * size * 2.1, y - 0.3));
  }
  QPainterPath body;
  body.moveTo(base.x() - size, base.y());
  body.lineTo(base.x() + size, base.y());
  body.lineTo(base.x() + size * (direction > 0 ? 0.85 : 0.55), base.y() - size * 0.85);
  body.lineTo(base.x() - size * (direction > 0 ? 0.55 : 0.85), base.y() - size * 0.85);
  body.closeSubpath();
  painter.setPen(QPen(kOutline, 0.5));
  painter.setBrush(kSuperstructureGrey);
  painter.drawPath(body);
}

void funnel(QPainter& painter, QPointF base, double width, double height, double rake) {
  QPainterPath shape;
  shape.moveTo(base.x() - width / 2, base.y());
  shape.lineTo(base.x() + width / 2, base.y());
  shape.lineTo(base.x() + width / 2 - rake, base.y() - height);
  shape.lineTo(base.x() - width / 2 - rake, base.y() - height);
  shape.closeSubpath();
  painter.setPen(QPen(kOutline, 0.5));
  painter.setBrush(kSuperstructureGrey.darker(108));
  painter.drawPath(shape);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x18, 0x1b, 0x1e));
  const double cap = height * 0.16;
  QPainterPath top;
  top.moveTo(base.x() - width / 2 - rake * (1 - cap / height), base.y() - height + cap);
  top.lineTo(base.x() + width / 2 - rake * (1 - cap / height), base.y() - height + cap);
  top.lineTo(base.x() + width / 2 - rake, base.y() - height);
  top.lineTo(base.x() - width / 2 - rake, base.y() - height);
  top.closeSubpath();
  painter.drawPath(top);
}

void mast(QPainter& painter, QPointF foot, double height, double yard) {
  const QPointF top = foot - QPointF(0, height);
  painter.setPen(QPen(kOutline, 0.8, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(foot, top);
  painter.setPen(QPen(kOutline, 0.6, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(top + QPointF(-yard / 2, height * 0.3), top + QPointF(yard / 2, height * 0.3));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kOutline);
  painter.drawRect(QRectF(top.x() - yard * 0.35, top.y() + height * 0.08, yard * 0.7, 1.1));
}

}  // namespace kalvenor::assets::parts
