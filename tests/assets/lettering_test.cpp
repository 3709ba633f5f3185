// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own vector lettering.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

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

// Each accented capital beside its base letter: as wide, its mark apart from
// the letter (an extra piece of outline) unless it hangs below or rests on it,
// inside the 22-pixel banner's band, drop shadow included, and the title's
// subtitle band (124 to 156 around a middle at 140).
TEST(Lettering, AccentedCapitalsKeepTheirBaseAndStayInsideTheBands) {
  struct Accented {
    const char* letter;
    const char* base;
    bool joined;  // a mark below, or Å's ring resting on the apex
  };
  const std::vector<Accented> table = {
      {"Á", "A", false}, {"À", "A", false}, {"Â", "A", false}, {"Ã", "A", false}, {"Ä", "A", false},
      {"Å", "A", true}, {"Ą", "A", true},  {"Ć", "C", false}, {"Ç", "C", true},  {"É", "E", false},
      {"È", "E", false}, {"Ê", "E", false}, {"Ë", "E", false}, {"Ę", "E", true},  {"Í", "I", false},
      {"Ì", "I", false}, {"Î", "I", false}, {"Ï", "I", false}, {"Ń", "N", false}, {"Ñ", "N", false},
      {"Ó", "O", false}, {"Ò", "O", false}, {"Ô", "O", false}, {"Õ", "O", false}, {"Ö", "O", false},
      {"Ś", "S", false}, {"Ú", "U", false}, {"Ù", "U", false}, {"Û", "U", false}, {"Ü", "U", false},
      {"Ź", "Z", false}, {"Ż", "Z", false},
  };
  const lettering::Lettering banner(10, 1.8), subtitle(13, 2.2);
  auto pieces = [&](const char* text) { return banner.outline(text, {201, 11}).toSubpathPolygons().size(); };
  for (const Accented& accented : table) {
    EXPECT_EQ(banner.width(accented.letter), banner.width(accented.base)) << accented.letter;
    if (!accented.joined) {
      EXPECT_GT(pieces(accented.letter), pieces(accented.base)) << accented.letter;
    }
    const QRectF inBanner = banner.outline(accented.letter, {201, 11}).boundingRect();
    EXPECT_GE(inBanner.top(), 1.0) << accented.letter;
    EXPECT_LE(inBanner.bottom() + 0.8, 21.0) << accented.letter;
    const QRectF inTitle = subtitle.outline(accented.letter, {246, 140}).boundingRect();
    EXPECT_GE(inTitle.top(), 124.0) << accented.letter;
    EXPECT_LE(inTitle.bottom(), 156.0) << accented.letter;
  }
  EXPECT_GT(banner.width("Ł"), banner.width("L"));
  EXPECT_EQ(banner.width("ŁÓDŹ"), banner.width("ŁODZ"));
}

TEST(Lettering, RefusesCharactersItHasNoGlyphFor) {
  const lettering::Lettering letters(12, 2);
  EXPECT_THROW(letters.outline("sos", {0, 0}), std::invalid_argument);
  EXPECT_THROW(letters.width("?"), std::invalid_argument);
  EXPECT_THROW(letters.width("Ő"), std::invalid_argument);
  EXPECT_THROW(letters.width("\xc3"), std::invalid_argument);  // a broken UTF-8 sequence
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
