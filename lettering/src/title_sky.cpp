// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering/title_sky.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "lettering/vector_font.h"
#include "lettering/xorshift.h"

namespace kalvenor::lettering {
namespace {

constexpr double kWidth = kTitleSize.width();
constexpr QPointF kSubtitleCentre{kWidth / 2, 140};
// Between the name above and the moon's glow, inside the frame.
constexpr QRectF kSubtitleBand{9, 124, kWidth - 18, 32};

}  // namespace

void paintSky(QPainter& painter) {
  QLinearGradient sky(0, 0, 0, kTitleHorizon);
  sky.setColorAt(0, QColor(0x0a, 0x23, 0x52));
  sky.setColorAt(0.55, QColor(0x1f, 0x58, 0x9c));
  sky.setColorAt(1, QColor(0x7d, 0xb6, 0xe2));
  painter.fillRect(QRectF(0, 0, kWidth, kTitleHorizon), sky);

  Xorshift32 random(1701);
  painter.setPen(Qt::NoPen);
  for (int star = 0; star < 60; ++star) {
    const QPointF at(random.between(8, kWidth - 8), random.between(8, 200));
    const double fade = 1 - at.y() / 220;
    painter.setBrush(QColor(255, 255, 240, static_cast<int>(230 * fade)));
    const double radius = random.between(0.5, 1.3);
    painter.drawEllipse(at, radius, radius);
  }

  QRadialGradient glow(kTitleMoon, 70);
  glow.setColorAt(0, QColor(255, 250, 220, 140));
  glow.setColorAt(1, QColor(255, 250, 220, 0));
  painter.setBrush(glow);
  painter.drawEllipse(kTitleMoon, 70, 70);
  painter.setBrush(QColor(0xfb, 0xf4, 0xd2));
  painter.drawEllipse(kTitleMoon, 24, 24);
}

void paintSubtitle(QPainter& painter, std::string_view words) {
  const Lettering subtitle(13, 2.2);
  const double half = subtitle.width(words) / 2 + 16;
  subtitle.draw(painter, words, kSubtitleCentre, QColor(0xcd, 0xe4, 0xfa));
  painter.setPen(QPen(QColor(0xf4, 0xbc, 0x30), 1.5));
  painter.drawLine(kSubtitleCentre + QPointF(-half, 0), kSubtitleCentre + QPointF(-half - 70, 0));
  painter.drawLine(kSubtitleCentre + QPointF(half, 0), kSubtitleCentre + QPointF(half + 70, 0));
}

void letterSubtitleAnew(QPainter& painter, std::string_view words) {
  Lettering(13, 2.2).width(words);  // throws before anything is painted
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(kSubtitleBand);
  paintSky(painter);
  paintSubtitle(painter, words);
  painter.restore();
}

}  // namespace kalvenor::lettering
