// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QPixmap>
#include <array>

#include "kalvenor/fleet.h"

namespace kalvenor::ui {

// Every picture of the game, from the embedded resources, each decoded once:
// the title, banners and icon when the window opens, a ship image the first
// time it is shown, so that the title is drawn without waiting for the fleet.
// In a language other than English the banners and the title's subtitle are
// lettered anew with the catalogue's words.
class Pictures {
 public:
  Pictures();
  const QPixmap& ship(int n) const;  // the ship image list, n = 0..kShipImages - 1
  const QPixmap& title() const;
  const QPixmap& gridBanner() const;
  const QPixmap& fleetBanner() const;
  const QIcon& icon() const;
  bool complete() const;  // every picture was found and loaded

 private:
  mutable std::array<QPixmap, kShipImages> ships_;  // null until first asked for
  QPixmap title_, gridBanner_, fleetBanner_;
  QIcon icon_;
};

}  // namespace kalvenor::ui
