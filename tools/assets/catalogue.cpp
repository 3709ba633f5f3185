// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <stdexcept>

#include "lettering/banner.h"
#include "pictures/sea_background.h"
#include "pictures/ship_images.h"
#include "pictures/ship_list.h"
#include "pictures/title.h"
#include "pictures/window_icon.h"
#include "sounds/explosion.h"
#include "sounds/splash.h"

namespace kalvenor::assets {

QString shipImageName(int index) { return QStringLiteral("ship%1").arg(index, 2, 10, QLatin1Char('0')); }

std::vector<PictureAsset> gamePictures() {
  std::vector<PictureAsset> pictures{
      {"title", lettering::kTitleSize, true, paintTitle},
      {"banner-grid", lettering::kBannerSize, true, [](QPainter& painter) { lettering::paintBanner(painter, lettering::kGridBannerWords); }},
      {"banner-fleet", lettering::kBannerSize, true, [](QPainter& painter) { lettering::paintBanner(painter, lettering::kFleetBannerWords); }},
  };
  for (int index = 0; index < kShipImages; ++index) {
    pictures.push_back({shipImageName(index), kShipImageSize, true,
                        [index](QPainter& painter) { paintShipImage(painter, index); }});
  }
  for (int pixels : kIconSizes) {
    pictures.push_back({QStringLiteral("icon-%1").arg(pixels), QSize(pixels, pixels), false,
                        [pixels](QPainter& painter) { paintWindowIcon(painter, pixels); }, lettering::Ground::Clear});
  }
  return pictures;
}

std::vector<SoundAsset> gameSounds() {
  return {{"Kalvenorw1.wav", synthesiseExplosion}, {"Kalvenorw2.wav", synthesiseSplash}};
}

PictureAsset picture(const QString& name) {
  for (PictureAsset& candidate : gamePictures()) {
    if (candidate.name == name) return candidate;
  }
  throw std::out_of_range("no picture named " + name.toStdString());
}

}  // namespace kalvenor::assets
