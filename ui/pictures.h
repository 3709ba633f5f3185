#pragma once
#include <QIcon>
#include <QPixmap>
#include <array>

namespace kalvenor::ui {

// Every picture of the game, loaded once from the embedded resources when the window opens.
class Pictures {
 public:
  Pictures();
  const QPixmap& ship(int n) const;  // the ship image list, n = 0..51
  const QPixmap& title() const;
  const QPixmap& gridBanner() const;
  const QPixmap& fleetBanner() const;
  const QIcon& icon() const;
  bool complete() const;  // every picture was found and loaded

 private:
  std::array<QPixmap, 52> ships_;
  QPixmap title_, gridBanner_, fleetBanner_;
  QIcon icon_;
};

}  // namespace kalvenor::ui
