// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/canvas.h"

namespace kalvenor::assets {

QImage paintPicture(QSize logicalSize, int scale, const PaintRoutine& paint) {
  QImage image(logicalSize * scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  paint(painter);
  return image;
}

}  // namespace kalvenor::assets
