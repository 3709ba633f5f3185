// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the game's asset folder: every picture (with its @2x file), both
// wave files, the resource list kalvenor.qrc that embeds them, and the
// scalable icon.svg for the icon theme.

#include <QString>

namespace kalvenor::assets {

// Throws std::runtime_error when a file cannot be written.
void writeAssets(const QString& folder);

}  // namespace kalvenor::assets
