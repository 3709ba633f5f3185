// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window icon: a white anchor on a deep blue square, bold enough to read
// at 16 pixels.

#include <QPainter>
#include <array>

namespace kalvenor::assets {

inline constexpr std::array kIconSizes{16, 32, 48, 64, 128, 256};

// Paints the icon over a square of `pixels` pixels.
void paintWindowIcon(QPainter& painter, int pixels);

}  // namespace kalvenor::assets
