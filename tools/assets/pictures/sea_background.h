// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sky and sea behind every ship image. All 52 images start from this one
// routine, so a ship that has gone under leaves exactly this picture.

#include <QPainter>
#include <QSize>

namespace kalvenor::assets {

inline constexpr QSize kShipImageSize{201, 65};
inline constexpr double kHorizonY = 41;    // where the far sea meets the sky
inline constexpr double kWaterlineY = 50;  // where the ships float

void paintSeaBackground(QPainter& painter);

}  // namespace kalvenor::assets
