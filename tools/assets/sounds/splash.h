// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kalvenorw2.wav: the miss sound, a splash with a bubbly tail, shorter than
// the 800 ms a shot sound may last.

#include <cstdint>
#include <vector>

namespace kalvenor::assets {

std::vector<std::int16_t> synthesiseSplash();

}  // namespace kalvenor::assets
