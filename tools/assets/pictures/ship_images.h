// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints ship image n (0..51) of the game's ship list.

#include <QPainter>

namespace kalvenor::assets {

void paintShipImage(QPainter& painter, int index);

}  // namespace kalvenor::assets
