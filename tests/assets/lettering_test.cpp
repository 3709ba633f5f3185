// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own vector lettering.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "lettering/vector_font.h"

namespace kalvenor::assets {
namespace {

TEST(Lettering, EveryGlyphIsWellFormedAndVisible) {
  const lettering::Lettering letters(12, 2);
  for (char character : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-")) {
    const QRectF shape = letters.outline(std::string(1, character), {0, 0}).boundingRect();
    EXPECT_GT(shape.height(), 1.5) << character;
    EXPECT_LE(shape.height(), 12 + 2 + 1) << character << " stays within the cap height (Q's tail dips)";
  }
}

TEST(Lettering, RefusesCharactersItHasNoGlyphFor) {
  const lettering::Lettering letters(12, 2);
  EXPECT_THROW(letters.outline("sos", {0, 0}), std::invalid_argument);
  EXPECT_THROW(letters.width("?"), std::invalid_argument);
}

TEST(Lettering, TextIsCentredOnTheGivenPoint) {
  const lettering::Lettering letters(10, 1.8);
  const QPointF centre(201, 11);
  for (const char* text : {"SEA AREA", "ENEMY FLEET", "S.O.S.", "07"}) {
    const QRectF shape = letters.outline(text, centre).boundingRect();
    EXPECT_NEAR(shape.center().x(), centre.x(), 1.0) << text;
    EXPECT_NEAR(shape.center().y(), centre.y(), 1.0) << text;
    EXPECT_NEAR(shape.width(), letters.width(text) + 1.8, 1.0) << text;
  }
}

TEST(Lettering, LongerTextIsWiderAndSpacesTakeRoom) {
  const lettering::Lettering letters(10, 1.8);
  EXPECT_GT(letters.width("ENEMY FLEET"), letters.width("SEA AREA"));
  EXPECT_GT(letters.width("SEA AREA"), letters.width("SEAAREA"));
  EXPECT_EQ(letters.width(""), 0);
}

}  // namespace
}  // namespace kalvenor::assets
