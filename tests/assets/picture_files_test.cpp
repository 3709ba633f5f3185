// SPDX-License-Identifier: GPL-3.0-or-later
// Every committed picture is there, at its size and at twice its size; the
// pictures are opaque, the icons clear around their rounded square.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSize>
#include <vector>

#include "kalvenor/fleet.h"
#include "icon_sizes.h"

namespace {

struct ExpectedPicture {
  QString name;
  QSize size;
  bool doubleSize;
  bool icon = false;
};

std::vector<ExpectedPicture> expectedPictures() {
  std::vector<ExpectedPicture> pictures{{"title", {492, 458}, true},
                                        {"banner-grid", {402, 22}, true},
                                        {"banner-fleet", {402, 22}, true}};
  for (int n = 0; n < kalvenor::kShipImages; ++n) {
    pictures.push_back({QStringLiteral("ship%1").arg(n, 2, 10, QLatin1Char('0')), {201, 65}, true});
  }
  for (int pixels : kalvenor::kIconSizes) {
    pictures.push_back({QStringLiteral("icon-%1").arg(pixels), {pixels, pixels}, false, true});
  }
  return pictures;
}

TEST(PictureFiles, EveryPictureIsEmbeddedAtItsSizeAndTwiceItsSize) {
  for (const ExpectedPicture& picture : expectedPictures()) {
    const QImage normal(":/pictures/" + picture.name + ".png");
    EXPECT_EQ(normal.size(), picture.size) << picture.name.toStdString();
    const QImage sharp(":/pictures/" + picture.name + "@2x.png");
    if (picture.doubleSize) {
      EXPECT_EQ(sharp.size(), picture.size * 2) << picture.name.toStdString();
    } else {
      EXPECT_TRUE(sharp.isNull()) << picture.name.toStdString();
    }
  }
}

TEST(PictureFiles, NothingElseIsEmbeddedAmongThePictures) {
  qsizetype files = 0;
  for (const ExpectedPicture& picture : expectedPictures()) files += picture.doubleSize ? 2 : 1;
  EXPECT_EQ(QDir(":/pictures").entryList(QDir::Files).size(), files);
}

TEST(PictureFiles, PicturesAreOpaqueColourAndIconsHaveClearCorners) {
  for (const ExpectedPicture& picture : expectedPictures()) {
    const QImage image(":/pictures/" + picture.name + ".png");
    EXPECT_FALSE(image.isGrayscale()) << picture.name.toStdString();
    EXPECT_EQ(image.hasAlphaChannel(), picture.icon) << picture.name.toStdString();
    if (!picture.icon) continue;
    const int last = picture.size.width() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << picture.name.toStdString();
    }
    EXPECT_EQ(qAlpha(image.pixel(last / 2, last / 2)), 255) << picture.name.toStdString();
  }
}

}  // namespace
