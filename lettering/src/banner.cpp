// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering/banner.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "lettering/vector_font.h"

namespace kalvenor::lettering {
namespace {

const QColor kLettering{0xea, 0xf4, 0xff};
const QColor kRule{0x9c, 0xc6, 0xf0};

void paintBand(QPainter& painter) {
  const double width = kBannerSize.width();
  const double height = kBannerSize.height();
  QLinearGradient band(0, 0, 0, height);
  band.setColorAt(0, QColor(0x2a, 0x62, 0xa8));
  band.setColorAt(0.5, QColor(0x1b, 0x4a, 0x8a));
  band.setColorAt(1, QColor(0x12, 0x35, 0x68));
  painter.fillRect(QRectF(0, 0, width, height), band);
  painter.fillRect(QRectF(0, 0, width, 1), QColor(0x6f, 0xa6, 0xe0));
  painter.fillRect(QRectF(0, height - 1, width, 1), QColor(0x0a, 0x20, 0x42));
}

void paintDiamond(QPainter& painter, QPointF centre) {
  QPainterPath diamond;
  diamond.moveTo(centre + QPointF(-3, 0));
  diamond.lineTo(centre + QPointF(0, -3));
  diamond.lineTo(centre + QPointF(3, 0));
  diamond.lineTo(centre + QPointF(0, 3));
  diamond.closeSubpath();
  painter.fillPath(diamond, kRule);
}

// Rules with a diamond at each end lead from the edges towards the text.
void paintRules(QPainter& painter, double textWidth) {
  const double middle = kBannerSize.width() / 2.0;
  const double y = kBannerSize.height() / 2.0;
  const double gapToText = textWidth / 2 + 14;
  painter.setPen(QPen(kRule, 1.0));
  for (double side : {-1.0, 1.0}) {
    const QPointF inner(middle + side * gapToText, y);
    const QPointF outer(middle + side * (middle - 14), y);
    painter.drawLine(inner + QPointF(side * 5, 0), outer - QPointF(side * 5, 0));
    paintDiamond(painter, inner);
    paintDiamond(painter, outer);
  }
}

}  // namespace

void paintBanner(QPainter& painter, std::string_view text) {
  painter.save();
  paintBand(painter);
  const Lettering letters(10, 1.8);
  paintRules(painter, letters.width(text));
  const QPointF centre(kBannerSize.width() / 2.0, kBannerSize.height() / 2.0);
  letters.draw(painter, text, centre + QPointF(0.7, 0.8), QColor(0x08, 0x1c, 0x3a));
  letters.draw(painter, text, centre, kLettering);
  painter.restore();
}

}  // namespace kalvenor::lettering
