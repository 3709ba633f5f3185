// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the committed ship images back and telling ship pixels from sea.

#include <QImage>
#include <QString>

namespace kalvenor::assets::testing {

// The embedded picture ":/pictures/<file>", as 32-bit RGB.
QImage committedPicture(const QString& file);
QImage committedShip(int index);

// The sea and sky every ship image is drawn on, at scale 1.
QImage bareSea();

// Pixels of `image` that are not the bare sea, within rows top..bottom.
int shipPixels(const QImage& image, int top, int bottom);

// Columns from the first to the last ship pixel in the row just above the
// waterline, where the hull meets the water.
int hullLengthAtWaterline(const QImage& image);

}  // namespace kalvenor::assets::testing
