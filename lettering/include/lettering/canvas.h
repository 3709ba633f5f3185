// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every picture is painted by a routine that draws in logical pixels; the
// canvas runs it at scale 1 for the normal file and at scale 2 for the @2x
// file, so the large version is drawn, not enlarged.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <functional>

namespace kalvenor::lettering {

using PaintRoutine = std::function<void(QPainter&)>;

// What lies under the painting: black in the game's opaque 24-bit pictures,
// nothing in the icons, whose corners show the desktop behind them.
enum class Ground { Opaque, Clear };

// A picture of logicalSize * scale pixels, antialiased.
QImage paintPicture(QSize logicalSize, int scale, const PaintRoutine& paint, Ground ground = Ground::Opaque);

}  // namespace kalvenor::lettering
