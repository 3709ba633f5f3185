// SPDX-License-Identifier: GPL-3.0-or-later
#include "committed_pictures.h"

#include <cstdlib>

#include "lettering/canvas.h"
#include "pictures/sea_background.h"

namespace kalvenor::assets::testing {
namespace {

bool differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 40;
}

}  // namespace

QImage committedPicture(const QString& file) {
  return QImage(":/pictures/" + file).convertToFormat(QImage::Format_RGB32);
}

QImage committedShip(int index) {
  return committedPicture(QStringLiteral("ship%1.png").arg(index, 2, 10, QLatin1Char('0')));
}

QImage bareSea() { return lettering::paintPicture(kShipImageSize, 1, paintSeaBackground); }

int shipPixels(const QImage& image, int top, int bottom) {
  const QImage sea = bareSea();
  int count = 0;
  for (int y = top; y <= bottom; ++y) {
    for (int x = 0; x < image.width(); ++x) count += differs(image.pixel(x, y), sea.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

int hullLengthAtWaterline(const QImage& image) {
  const QImage sea = bareSea();
  const int row = static_cast<int>(kWaterlineY) - 1;
  int first = -1;
  int last = -1;
  for (int x = 0; x < image.width(); ++x) {
    if (!differs(image.pixel(x, row), sea.pixel(x, row))) continue;
    if (first < 0) first = x;
    last = x;
  }
  return first < 0 ? 0 : last - first + 1;
}

}  // namespace kalvenor::assets::testing
