// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea/pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <stdexcept>

#include "icon_sizes.h"
#include "lettering/banner.h"
#include "lettering/canvas.h"
#include "lettering/title_sky.h"

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

// The words of a lettered picture in the player's language, or an empty text
// where they are the English ones that the drawn picture shows.
QByteArray translatedWords(const char* english) {
  const QByteArray words = QCoreApplication::translate("Banner", english).toUtf8();
  return words == english ? QByteArray() : words;
}

std::string_view view(const QByteArray& text) { return {text.constData(), static_cast<std::size_t>(text.size())}; }

// A banner lettered as the drawn ones are. Words the lettering cannot write
// keep the drawn picture.
QPixmap banner(const QString& name, const char* english) {
  const QByteArray words = translatedWords(english);
  if (words.isEmpty()) return load(name);
  const int scale = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
  try {
    QPixmap lettered = QPixmap::fromImage(lettering::paintPicture(
        lettering::kBannerSize, scale, [&](QPainter& painter) { lettering::paintBanner(painter, view(words)); }));
    lettered.setDevicePixelRatio(scale);
    return lettered;
  } catch (const std::invalid_argument&) {
    return load(name);
  }
}

QPixmap letteredTitle() {
  QPixmap title = load(QStringLiteral("title"));
  const QByteArray words = translatedWords(lettering::kTitleSubtitleWords);
  if (words.isEmpty() || title.isNull()) return title;
  QPainter painter(&title);
  try {
    lettering::letterSubtitleAnew(painter, view(words));
  } catch (const std::invalid_argument&) {
    // The lettering lacks a character: the English subtitle stays.
  }
  return title;
}

}  // namespace

Pictures::Pictures()
    : title_(letteredTitle()),
      gridBanner_(banner(QStringLiteral("banner-grid"), lettering::kGridBannerWords)),
      fleetBanner_(banner(QStringLiteral("banner-fleet"), lettering::kFleetBannerWords)) {
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
