// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 402 x 22 bands above the sea grid and the fleet panel.

#include <QPainter>
#include <QSize>
#include <string_view>

namespace kalvenor::assets {

inline constexpr QSize kBannerSize{402, 22};

void paintBanner(QPainter& painter, std::string_view text);

}  // namespace kalvenor::assets
