// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 16-bit mono PCM wave files with the plain 44-byte header the game's player reads.

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace kalvenor::assets {

QByteArray encodeWave(const std::vector<std::int16_t>& samples);

}  // namespace kalvenor::assets
