// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of a game as text, one named line per part, ending with "end".

#include <cstdint>
#include <ostream>

#include "kalvenor/frmsea.h"

namespace kalvenor {

void dumpState(std::ostream& out, const Frmsea& game, std::int64_t timeMs, std::size_t draws);

}  // namespace kalvenor
