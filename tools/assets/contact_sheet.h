// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One overview picture of everything the generators draw, for reviewing the
// artwork: the ship list in its class blocks with every image's index and
// role, then the title, the banners and the icons.

#include <QImage>

namespace kalvenor::assets {

QImage contactSheet();

}  // namespace kalvenor::assets
