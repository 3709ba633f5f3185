// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/damage.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "pictures/sea_background.h"

namespace kalvenor::assets {

void paintScorch(QPainter& painter, QPointF at, lettering::Xorshift32& random) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1a, 0x1a, 0x1a, 160));
  painter.drawEllipse(at, random.between(3, 4.2), random.between(1.8, 2.6));
  painter.setBrush(QColor(0x05, 0x05, 0x05));
  painter.drawEllipse(at + QPointF(random.between(-1, 1), 0.4), 1.3, 1.0);
}

void paintFire(QPainter& painter, QPointF base, double size, lettering::Xorshift32& random) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xff, 0xb3, 0x47, 110));
  painter.drawEllipse(base, size * 0.9, size * 0.45);
  for (int flame = 0; flame < 3; ++flame) {
    const double x = base.x() + (flame - 1) * size * 0.32 + random.between(-0.4, 0.4);
    const double height = size * random.between(0.75, 1.35) * (flame == 1 ? 1.25 : 1.0);
    const double halfWidth = size * random.between(0.22, 0.3);
    for (const auto& [colour, shrink] : {std::pair{QColor(0xf2, 0x5c, 0x12, 235), 1.0},
                                         std::pair{QColor(0xff, 0xd8, 0x4a, 240), 0.55}}) {
      QPainterPath tongue;
      tongue.moveTo(x - halfWidth * shrink, base.y());
      tongue.quadTo(x - halfWidth * shrink, base.y() - height * shrink * 0.55, x + halfWidth * 0.3,
                    base.y() - height * shrink);
      tongue.quadTo(x + halfWidth * shrink, base.y() - height * shrink * 0.45, x + halfWidth * shrink,
                    base.y());
      tongue.closeSubpath();
      painter.setBrush(colour);
      painter.drawPath(tongue);
    }
  }
}

void paintSmoke(QPainter& painter, QPointF source, double amount, lettering::Xorshift32& random) {
  painter.setPen(Qt::NoPen);
  const int puffs = 3 + static_cast<int>(std::lround(5 * amount));
  QPointF at = source + QPointF(0, -2);
  for (int puff = 0; puff < puffs; ++puff) {
    const double age = static_cast<double>(puff) / 8;
    const int grey = static_cast<int>(0x30 + age * 0x70);
    painter.setBrush(QColor(grey, grey, grey + 4, static_cast<int>(200 - age * 110)));
    const double radius = 1.6 + puff * 0.6 + random.between(0, 0.7);
    painter.drawEllipse(at, radius * 1.15, radius);
    at += QPointF(-random.between(2.2, 3.6), -random.between(2.2, 3.2));
  }
}

void paintWaterlineWash(QPainter& painter, double left, double right) {
  QLinearGradient shadow(0, kWaterlineY, 0, kWaterlineY + 4);
  shadow.setColorAt(0, QColor(0x10, 0x30, 0x50, 110));
  shadow.setColorAt(1, QColor(0x10, 0x30, 0x50, 0));
  painter.fillRect(QRectF(left, kWaterlineY, right - left, 4), shadow);

  painter.setPen(QPen(QColor(255, 255, 255, 210), 0.9, Qt::SolidLine, Qt::RoundCap));
  for (double x = left; x < right; x += 7) {
    painter.drawLine(QPointF(x, kWaterlineY + 0.2), QPointF(std::min(x + 4.5, right), kWaterlineY + 0.2));
  }
  // The bow wave.
  QPainterPath curl(QPointF(right - 6, kWaterlineY + 0.4));
  curl.quadTo(right - 1, kWaterlineY - 1.8, right + 2.5, kWaterlineY + 0.6);
  painter.setPen(QPen(QColor(255, 255, 255, 230), 1.1, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(curl);
}

void paintBubbles(QPainter& painter, double left, double right, double amount, lettering::Xorshift32& random) {
  const int foam = 4 + static_cast<int>(std::lround(10 * amount));
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < foam; ++i) {
    painter.setBrush(QColor(255, 255, 255, static_cast<int>(random.between(90, 160))));
    painter.drawEllipse(QPointF(random.between(left, right), kWaterlineY + random.between(-0.6, 1.2)),
                        random.between(1.5, 3 + 3 * amount), random.between(0.6, 1.2));
  }
  const int bubbles = 8 + static_cast<int>(std::lround(34 * amount));
  painter.setBrush(QColor(255, 255, 255, 60));
  for (int i = 0; i < bubbles; ++i) {
    const bool atSurface = random.unit() < 0.45;
    const QPointF centre(random.between(left, right),
                         atSurface ? kWaterlineY - random.between(0.5, 2.5)
                                   : kWaterlineY + random.between(2, 14));
    const double radius = random.between(0.5, 1.1 + 1.4 * amount);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 0.5));
    painter.drawEllipse(centre, radius, radius);
  }
}

}  // namespace kalvenor::assets
