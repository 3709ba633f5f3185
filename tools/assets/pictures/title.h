// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 492 x 458 title picture shown while no game runs.

#include <QPainter>
#include <QSize>

namespace kalvenor::assets {

inline constexpr QSize kTitleSize{492, 458};

void paintTitle(QPainter& painter);

}  // namespace kalvenor::assets
