// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering/canvas.h"

namespace kalvenor::lettering {

QImage paintPicture(QSize logicalSize, int scale, const PaintRoutine& paint, Ground ground) {
  const bool clear = ground == Ground::Clear;
  QImage image(logicalSize * scale, clear ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  image.fill(clear ? Qt::transparent : Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  paint(painter);
  return image;
}

}  // namespace kalvenor::lettering
