// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/title.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "pictures/ship_design.h"
#include "lettering/title_sky.h"
#include "lettering/vector_font.h"
#include "lettering/xorshift.h"

namespace kalvenor::assets {
namespace {

constexpr double kWidth = lettering::kTitleSize.width();
constexpr double kHeight = lettering::kTitleSize.height();
constexpr double kHorizon = lettering::kTitleHorizon;
constexpr QPointF kMoon = lettering::kTitleMoon;

void paintSea(QPainter& painter) {
  QLinearGradient sea(0, kHorizon, 0, kHeight);
  sea.setColorAt(0, QColor(0x2a, 0x6a, 0xa6));
  sea.setColorAt(1, QColor(0x08, 0x26, 0x50));
  painter.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), sea);

  lettering::Xorshift32 random(4242);
  // The moon's path on the water.
  painter.setPen(Qt::NoPen);
  for (double y = kHorizon + 3; y < kHeight - 10; y += random.between(4, 7)) {
    const double depth = (y - kHorizon) / (kHeight - kHorizon);
    const double half = random.between(4, 14) * (1 + depth);
    painter.setBrush(QColor(255, 246, 200, static_cast<int>(170 * (1 - depth))));
    painter.drawRoundedRect(QRectF(kMoon.x() - half + random.between(-8, 8), y, 2 * half, 1.6), 0.8, 0.8);
  }
  // Wave crests, larger towards the viewer.
  painter.setBrush(Qt::NoBrush);
  for (double y = kHorizon + 8; y < kHeight; y += 6 + (y - kHorizon) * 0.12) {
    const double size = 8 + (y - kHorizon) * 0.25;
    for (double x = random.between(-size, 0); x < kWidth; x += size * random.between(1.6, 2.8)) {
      painter.setPen(QPen(QColor(0xa8, 0xd4, 0xf4, 150), 1 + (y - kHorizon) * 0.012, Qt::SolidLine,
                          Qt::RoundCap));
      QPainterPath crest(QPointF(x, y));
      crest.quadTo(x + size / 2, y - size * 0.2, x + size, y);
      painter.drawPath(crest);
    }
  }
}

// The cruiser of the fleet, drawn large and steaming through the moonlight.
void paintShip(QPainter& painter) {
  constexpr double kScale = 2.25;
  constexpr double kMiddle = 238;
  painter.save();
  painter.setClipRect(QRectF(0, 0, kWidth, kHorizon + 6));
  painter.translate(kMiddle, kHorizon + 6);
  painter.scale(kScale, kScale);
  cruiserDesign().paint(painter);
  painter.restore();

  painter.setPen(QPen(QColor(255, 255, 255, 220), 2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  const double bow = kMiddle + 87 * kScale;
  for (double x = kMiddle - 84 * kScale; x < bow - 10; x += 16) {
    painter.drawLine(QPointF(x, kHorizon + 6.5), QPointF(x + 9, kHorizon + 6.5));
  }
  QPainterPath bowWave(QPointF(bow - 22, kHorizon + 7));
  bowWave.quadTo(bow - 4, kHorizon, bow + 8, kHorizon + 8);
  painter.setPen(QPen(QColor(255, 255, 255, 235), 2.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(bowWave);
}

void paintName(QPainter& painter) {
  const lettering::Lettering letters(50, 10);
  const QPointF centre(kWidth / 2, 80);
  const QPainterPath name = letters.outline("KALVENOR", centre);

  painter.fillPath(name.translated(4, 5), QColor(0x02, 0x0c, 0x20, 190));
  painter.setPen(QPen(QColor(0x0b, 0x1f, 0x3f), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(name);
  QLinearGradient gold(0, centre.y() - 34, 0, centre.y() + 34);
  gold.setColorAt(0, QColor(0xff, 0xf4, 0xb0));
  gold.setColorAt(0.45, QColor(0xf4, 0xbc, 0x30));
  gold.setColorAt(1, QColor(0xb8, 0x6c, 0x10));
  painter.fillPath(name, gold);

  lettering::paintSubtitle(painter, lettering::kTitleSubtitleWords);
}

void paintFrame(QPainter& painter) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x06, 0x16, 0x30), 4));
  painter.drawRect(QRectF(2, 2, kWidth - 4, kHeight - 4));
  painter.setPen(QPen(QColor(0xe2, 0xb0, 0x3a), 1.5));
  painter.drawRect(QRectF(7.5, 7.5, kWidth - 15, kHeight - 15));
}

}  // namespace

void paintTitle(QPainter& painter) {
  painter.save();
  lettering::paintSky(painter);
  paintSea(painter);
  paintShip(painter);
  paintName(painter);
  paintFrame(painter);
  painter.restore();
}

}  // namespace kalvenor::assets
