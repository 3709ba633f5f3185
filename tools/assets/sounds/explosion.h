// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kalvenorw1.wav: the start-up and hit sound, a deep explosion. Its punch is
// over within 800 ms (a hit sound is cut there) and it has died away before
// 1700 ms, when the start-up sound is stopped.

#include <cstdint>
#include <vector>

namespace kalvenor::assets {

std::vector<std::int16_t> synthesiseExplosion();

}  // namespace kalvenor::assets
