// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a program that links nothing of the game but kalvenor_pictures:
// the embedded files must be there without any set-up call, and the loader
// must hand out the sharp @2x pictures on a high-density screen.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>

#include "kalvenor/fleet.h"
#include "icon_sizes.h"
#include "sea/pictures.h"

namespace {

TEST(EmbeddedAssets, SoundsAndPicturesAreThereWithoutSetUp) {
  EXPECT_TRUE(QFile::exists(":/sounds/Kalvenorw1.wav"));
  EXPECT_TRUE(QFile::exists(":/sounds/Kalvenorw2.wav"));
  EXPECT_TRUE(QFile::exists(":/pictures/ship00.png"));
}

TEST(PicturesLoader, FindsEveryPicture) {
  const kalvenor::ui::Pictures pictures;
  EXPECT_TRUE(pictures.complete());
  const QList<QSize> iconSizes = pictures.icon().availableSizes();
  for (int pixels : kalvenor::kIconSizes) EXPECT_TRUE(iconSizes.contains(QSize(pixels, pixels))) << pixels;
}

TEST(PicturesLoader, PicturesKeepTheirSizeOnScreenAtThisScreensDensity) {
  const kalvenor::ui::Pictures pictures;
  const qreal density = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
  const auto expect = [density](const QPixmap& pixmap, QSize size, const char* what) {
    EXPECT_EQ(pixmap.devicePixelRatio(), density) << what;
    EXPECT_EQ(pixmap.size(), size * density) << what;
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), size) << what;
  };
  expect(pictures.title(), {492, 458}, "title");
  expect(pictures.gridBanner(), {402, 22}, "grid banner");
  expect(pictures.fleetBanner(), {402, 22}, "fleet banner");
  for (int n = 0; n < kalvenor::kShipImages; ++n) expect(pictures.ship(n), {201, 65}, "ship image");
}

}  // namespace
