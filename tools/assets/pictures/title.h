// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title picture shown while no game runs (lettering::kTitleSize).

#include <QPainter>

#include "lettering/title_sky.h"

namespace kalvenor::assets {

void paintTitle(QPainter& painter);

}  // namespace kalvenor::assets
