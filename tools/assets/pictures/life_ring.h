// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Image 51: the red-and-white life ring and "S.O.S." that every sunk ship ends on.

#include <QPainter>

namespace kalvenor::assets {

void paintLifeRing(QPainter& painter);

}  // namespace kalvenor::assets
