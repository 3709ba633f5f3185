// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <stdexcept>

#include "icon_sizes.h"
#include "pictures/banner.h"
#include "pictures/canvas.h"

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

// A banner in the player's language, lettered as the drawn ones are. English,
// or words the lettering cannot write, keep the drawn picture.
QPixmap banner(const QString& name, const char* words) {
  const QByteArray translated = QCoreApplication::translate("Banner", words).toUtf8();
  if (translated == words) return load(name);
  const int scale = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
  try {
    QPixmap lettered = QPixmap::fromImage(assets::paintPicture(assets::kBannerSize, scale, [&](QPainter& painter) {
      assets::paintBanner(painter, std::string_view(translated.constData(), translated.size()));
    }));
    lettered.setDevicePixelRatio(scale);
    return lettered;
  } catch (const std::invalid_argument&) {
    return load(name);
  }
}

}  // namespace

Pictures::Pictures()
    : title_(load(QStringLiteral("title"))),
      gridBanner_(banner(QStringLiteral("banner-grid"), assets::kGridBannerWords)),
      fleetBanner_(banner(QStringLiteral("banner-fleet"), assets::kFleetBannerWords)) {
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
