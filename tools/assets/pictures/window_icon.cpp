// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/window_icon.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainterPath>
#include <QSvgGenerator>

namespace kalvenor::assets {
namespace {

// The anchor on a 100 x 100 grid.
QPainterPath anchorLines() {
  QPainterPath lines;
  lines.addEllipse(QPointF(50, 17), 8, 8);
  lines.moveTo(50, 25);
  lines.lineTo(50, 84);
  lines.moveTo(31, 37);
  lines.lineTo(69, 37);
  lines.moveTo(17, 58);
  lines.quadTo(22, 84, 50, 85);
  lines.quadTo(78, 84, 83, 58);
  return lines;
}

QPainterPath flukes() {
  QPainterPath heads;
  for (double side : {-1.0, 1.0}) {
    const double tip = 50 + side * 37;
    heads.moveTo(tip, 50);
    heads.lineTo(tip + side * 8, 66);
    heads.lineTo(tip - side * 9, 62);
    heads.closeSubpath();
  }
  return heads;
}

}  // namespace

void paintWindowIcon(QPainter& painter, int pixels) {
  painter.save();
  painter.scale(pixels / 100.0, pixels / 100.0);
  QLinearGradient ground(0, 0, 0, 100);
  ground.setColorAt(0, QColor(0x23, 0x5f, 0xae));
  ground.setColorAt(1, QColor(0x0c, 0x2c, 0x5e));
  painter.setPen(Qt::NoPen);
  painter.setBrush(ground);
  painter.drawRoundedRect(QRectF(3, 3, 94, 94), 16, 16);

  // The anchor, a little smaller than the square, so it stays clear of the
  // rounded corners.
  painter.translate(50, 50);
  painter.scale(0.86, 0.86);
  painter.translate(-50, -50);
  painter.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(anchorLines());
  painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::white);
  painter.drawPath(flukes());
  painter.restore();
}

QByteArray windowIconSvg() {
  constexpr int kUnits = 256;
  QBuffer document;
  QSvgGenerator svg;
  svg.setOutputDevice(&document);
  svg.setSize(QSize(kUnits, kUnits));
  svg.setViewBox(QRect(0, 0, kUnits, kUnits));
  svg.setTitle(QStringLiteral("Kalvenor"));
  svg.setDescription(QStringLiteral("The Kalvenor icon: an anchor on a blue square"));
  QPainter painter(&svg);
  paintWindowIcon(painter, kUnits);
  painter.end();
  return document.data();
}

}  // namespace kalvenor::assets
