// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's icon: a white anchor on a deep blue rounded square, bold enough
// to read at 16 pixels. The corners around the square stay clear.

#include <QByteArray>
#include <QPainter>

#include "icon_sizes.h"

namespace kalvenor::assets {

// Paints the icon over a square of `pixels` pixels.
void paintWindowIcon(QPainter& painter, int pixels);

// The same icon as a scalable SVG document.
QByteArray windowIconSvg();

}  // namespace kalvenor::assets
