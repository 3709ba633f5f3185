// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QGuiApplication>
#include <QString>
#include <algorithm>

#include "icon_sizes.h"

namespace kalvenor::ui {
namespace {

// QPixmap does not look for a name@2x.png by itself, so on a high-density
// screen the loader asks for the picture drawn at twice the size. Qt reads the
// @2x in its name and gives the pixmap a device pixel ratio of 2, so it keeps
// its size on screen.
QPixmap load(const QString& name) {
  const bool highDensity = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
  if (highDensity) {
    QPixmap sharp(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    if (!sharp.isNull()) return sharp;
  }
  return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
}

}  // namespace

Pictures::Pictures()
    : title_(load(QStringLiteral("title"))),
      gridBanner_(load(QStringLiteral("banner-grid"))),
      fleetBanner_(load(QStringLiteral("banner-fleet"))) {
  for (int pixels : kIconSizes) icon_.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(pixels));
}

const QPixmap& Pictures::ship(int n) const {
  QPixmap& ship = ships_.at(static_cast<std::size_t>(n));
  if (ship.isNull()) ship = load(QStringLiteral("ship%1").arg(n, 2, 10, QLatin1Char('0')));
  return ship;
}
const QPixmap& Pictures::title() const { return title_; }
const QPixmap& Pictures::gridBanner() const { return gridBanner_; }
const QPixmap& Pictures::fleetBanner() const { return fleetBanner_; }
const QIcon& Pictures::icon() const { return icon_; }

bool Pictures::complete() const {
  const auto loaded = [](const QPixmap& pixmap) { return !pixmap.isNull(); };
  for (int n = 0; n < static_cast<int>(ships_.size()); ++n) ship(n);
  return std::all_of(ships_.begin(), ships_.end(), loaded) && loaded(title_) && loaded(gridBanner_) &&
         loaded(fleetBanner_) && icon_.availableSizes().size() == static_cast<qsizetype>(kIconSizes.size());
}

}  // namespace kalvenor::ui
