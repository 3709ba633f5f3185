// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sizes, in pixels, at which the game's icon is drawn: the window icon
// embedded in the program and the icons installed in the desktop's icon theme.

#include <array>

namespace kalvenor {

inline constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace kalvenor
