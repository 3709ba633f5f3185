// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/sea_background.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "lettering/xorshift.h"

namespace kalvenor::assets {
namespace {

void paintSky(QPainter& painter) {
  QLinearGradient sky(0, 0, 0, kHorizonY);
  sky.setColorAt(0, QColor(0x8e, 0xcb, 0xee));
  sky.setColorAt(1, QColor(0xdc, 0xf1, 0xfb));
  painter.fillRect(QRectF(0, 0, kShipImageSize.width(), kHorizonY), sky);

  // Two flat clouds, low and far away.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 150));
  for (const QRectF& puff : {QRectF(18, 22, 30, 7), QRectF(30, 19, 22, 7), QRectF(40, 23, 24, 6),
                             QRectF(140, 12, 26, 6), QRectF(152, 9, 20, 7), QRectF(160, 13, 22, 5)}) {
    painter.drawEllipse(puff);
  }
}

void paintSea(QPainter& painter) {
  const double width = kShipImageSize.width();
  QLinearGradient sea(0, kHorizonY, 0, kShipImageSize.height());
  sea.setColorAt(0, QColor(0x6c, 0xb3, 0xdc));
  sea.setColorAt(1, QColor(0x3f, 0x8f, 0xc8));
  painter.fillRect(QRectF(0, kHorizonY, width, kShipImageSize.height() - kHorizonY), sea);

  // Wavelets: short light arcs, denser and larger towards the viewer.
  lettering::Xorshift32 random(20240611);
  painter.setBrush(Qt::NoBrush);
  for (int row = 0; row < 7; ++row) {
    const double y = kHorizonY + 2.5 + row * row * 0.5 + row * 1.6;
    const double size = 3 + row * 1.2;
    for (double x = random.between(-4, 8); x < width; x += size * random.between(2.2, 3.6)) {
      const bool light = random.unit() < 0.6;
      painter.setPen(QPen(light ? QColor(0xc6, 0xe8, 0xf8, 170) : QColor(0x2f, 0x78, 0xb0, 120),
                          0.6 + row * 0.12, Qt::SolidLine, Qt::RoundCap));
      QPainterPath wave(QPointF(x, y));
      wave.quadTo(x + size / 2, y - size * 0.22, x + size, y);
      painter.drawPath(wave);
    }
  }
}

}  // namespace

void paintSeaBackground(QPainter& painter) {
  painter.save();
  paintSky(painter);
  paintSea(painter);
  painter.restore();
}

}  // namespace kalvenor::assets
