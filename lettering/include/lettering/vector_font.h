// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own lettering: every glyph is a set of centre lines on a grid six
// units tall, stroked with a round pen. System fonts differ between machines,
// these letters do not. It writes the capitals A-Z, the accented capitals of
// the Latin alphabets the game speaks (Á Ä Å Ç Ł Ñ Ś Ż and their kin), digits,
// space, "." and "-"; texts are UTF-8.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <string_view>

namespace kalvenor::lettering {

class Lettering {
 public:
  // capHeight: height of a capital in pixels; strokeWidth: pen width in pixels.
  Lettering(double capHeight, double strokeWidth);

  // Width of the text's centre lines, pen excluded.
  // Throws std::invalid_argument for a character the font lacks.
  double width(std::string_view text) const;

  // The filled shape of the text, its middle at `centre`.
  // Throws std::invalid_argument for a character the font lacks.
  QPainterPath outline(std::string_view text, QPointF centre) const;

  void draw(QPainter& painter, std::string_view text, QPointF centre, const QColor& colour) const;

 private:
  QPainterPath centreLines(std::string_view text) const;
  double gap() const;

  double unit_;  // pixels per grid unit
  double strokeWidth_;
};

}  // namespace kalvenor::lettering
