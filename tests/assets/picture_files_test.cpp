// SPDX-License-Identifier: GPL-3.0-or-later
// Every committed picture is there, at its size and at twice its size, opaque.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSize>
#include <vector>

#include "kalvenor/fleet.h"

namespace {

struct ExpectedPicture {
  QString name;
  QSize size;
  bool doubleSize;
};

std::vector<ExpectedPicture> expectedPictures() {
  std::vector<ExpectedPicture> pictures{{"title", {492, 458}, true},
                                        {"banner-grid", {402, 22}, true},
                                        {"banner-fleet", {402, 22}, true}};
  for (int n = 0; n < kalvenor::kShipImages; ++n) {
    pictures.push_back({QStringLiteral("ship%1").arg(n, 2, 10, QLatin1Char('0')), {201, 65}, true});
  }
  for (int pixels : {16, 32, 48, 64, 128, 256}) {
    pictures.push_back({QStringLiteral("icon-%1").arg(pixels), {pixels, pixels}, false});
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

TEST(PictureFiles, PicturesAreOpaqueColour) {
  for (const QString& file : QDir(":/pictures").entryList(QDir::Files)) {
    const QImage image(":/pictures/" + file);
    EXPECT_FALSE(image.hasAlphaChannel()) << file.toStdString();
    EXPECT_FALSE(image.isGrayscale()) << file.toStdString();
  }
}

}  // namespace
