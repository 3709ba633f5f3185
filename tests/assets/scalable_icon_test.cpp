// SPDX-License-Identifier: GPL-3.0-or-later
// The scalable icon for the icon theme draws the same picture as the window
// icon drawn at a fixed size.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

namespace {

TEST(ScalableIcon, RendersLikeTheDrawnIcon) {
  QSvgRenderer svg(QStringLiteral(KALVENOR_ASSETS_DIR "/icon.svg"));
  ASSERT_TRUE(svg.isValid());
  const QImage drawn(QStringLiteral(":/pictures/icon-64.png"));
  QImage rendered(drawn.size(), QImage::Format_ARGB32_Premultiplied);
  rendered.fill(Qt::transparent);
  QPainter painter(&rendered);
  svg.render(&painter);
  painter.end();

  const QImage expected = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      const QRgb a = expected.pixel(x, y);
      const QRgb b = rendered.pixel(x, y);
      const int distance = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
      if (distance > 48) ++differing;  // antialiased edges differ a little
    }
  }
  EXPECT_LT(differing, expected.width() * expected.height() / 100);
}

}  // namespace
