// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering/vector_font.h"

#include <QPainterPathStroker>
#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace kalvenor::lettering {
namespace {

// A glyph is written as strokes separated by '|'. A stroke is a list of points
// "x,y" joined by straight lines; "cx,cy:x,y" reaches x,y by a quadratic curve
// bent towards cx,cy. The grid runs from y = 0 (cap line) to y = 6 (baseline).
struct Glyph {
  char32_t character;
  double width;
  const char* strokes;
};

constexpr std::array kGlyphs{
    Glyph{' ', 2.0, ""},
    Glyph{'.', 0.0, "0,6 0.01,6"},
    Glyph{'-', 2.4, "0,3.3 2.4,3.3"},
    Glyph{'A', 4.2, "0,6 2.1,0 4.2,6|0.75,4 3.45,4"},
    Glyph{'B', 4.0, "0,6 0,0 2.5,0 3.8,0:3.8,1.5 3.8,3:2.4,3 0,3|2.4,3 4,3:4,4.5 4,6:2.5,6 0,6"},
    Glyph{'C', 4.0, "4,1 3.5,0:2.1,0 0,0:0,3 0,6:2.1,6 3.5,6:4,5"},
    Glyph{'D', 4.0, "0,0 0,6 1.8,6 4,6:4,3 4,0:1.8,0 0,0"},
    Glyph{'E', 3.6, "3.6,0 0,0 0,6 3.6,6|0,3 2.9,3"},
    Glyph{'F', 3.6, "3.6,0 0,0 0,6|0,3 2.9,3"},
    Glyph{'G', 4.0, "4,1 3.5,0:2.1,0 0,0:0,3 0,6:2.1,6 4,6:4,4 4,3.3 2.3,3.3"},
    Glyph{'H', 4.0, "0,0 0,6|4,0 4,6|0,3 4,3"},
    Glyph{'I', 0.0, "0,0 0,6"},
    Glyph{'J', 3.6, "3.6,0 3.6,4.2 3.6,6:1.8,6 0,6:0,4.4"},
    Glyph{'K', 4.0, "0,0 0,6|4,0 0,3.7|1.4,2.7 4,6"},
    Glyph{'L', 3.4, "0,0 0,6 3.4,6"},
    Glyph{'M', 5.0, "0,6 0,0 2.5,4 5,0 5,6"},
    Glyph{'N', 4.0, "0,6 0,0 4,6 4,0"},
    Glyph{'O', 4.4, "2.2,0 4.4,0:4.4,3 4.4,6:2.2,6 0,6:0,3 0,0:2.2,0"},
    Glyph{'P', 4.0, "0,6 0,0 2.4,0 4,0:4,1.6 4,3.2:2.4,3.2 0,3.2"},
    Glyph{'Q', 4.4, "2.2,0 4.4,0:4.4,3 4.4,6:2.2,6 0,6:0,3 0,0:2.2,0|2.8,4.4 4.5,6.3"},
    Glyph{'R', 4.0, "0,6 0,0 2.4,0 4,0:4,1.6 4,3.2:2.4,3.2 0,3.2|2.2,3.2 4,6"},
    Glyph{'S', 4.0, "4,1 3.7,0:2,0 0,0:0,1.5 0,3:2,3 4,3:4,4.5 4,6:2,6 0.3,6:0,5"},
    Glyph{'T', 4.2, "0,0 4.2,0|2.1,0 2.1,6"},
    Glyph{'U', 4.0, "0,0 0,4 0,6:2,6 4,6:4,4 4,0"},
    Glyph{'V', 4.2, "0,0 2.1,6 4.2,0"},
    Glyph{'W', 5.4, "0,0 1.35,6 2.7,1.6 4.05,6 5.4,0"},
    Glyph{'X', 4.0, "0,0 4,6|4,0 0,6"},
    Glyph{'Y', 4.2, "0,0 2.1,3.1 4.2,0|2.1,3.1 2.1,6"},
    Glyph{'Z', 4.0, "0,0 4,0 0,6 4,6"},
    Glyph{'0', 3.6, "1.8,0 3.6,0:3.6,3 3.6,6:1.8,6 0,6:0,3 0,0:1.8,0"},
    Glyph{'1', 2.2, "0,1.2 2.2,0 2.2,6"},
    Glyph{'2', 3.6, "0,1.1 0.4,0:1.9,0 3.6,0:3.6,1.6 3.6,2.9:0,6 3.6,6"},
    Glyph{'3', 3.6, "0,0.7 0.6,0:1.8,0 3.6,0:3.6,1.5 3.6,3:1.5,3|1.5,3 3.6,3:3.6,4.5 3.6,6:1.8,6 0.5,6:0,5.3"},
    Glyph{'4', 3.8, "2.9,6 2.9,0 0,4.2 3.8,4.2"},
    Glyph{'5', 3.6, "3.5,0 0.5,0 0.2,2.8 0.9,2.4:1.8,2.4 3.6,2.4:3.6,4.2 3.6,6:1.8,6 0.5,6:0,5.3"},
    Glyph{'6', 3.6, "3.3,0.4 2.7,0:1.9,0 0,0:0,3.5 0,6:1.8,6 3.6,6:3.6,4.3 3.6,2.6:1.8,2.6 0,2.6:0,4.3"},
    Glyph{'7', 3.6, "0,0 3.6,0 1.2,6"},
    Glyph{'8', 3.6, "1.8,3 0.2,3:0.2,1.5 0.2,0:1.8,0 3.4,0:3.4,1.5 3.4,3:1.8,3 0,3:0,4.5 0,6:1.8,6 3.6,6:3.6,4.5 3.6,3:1.8,3"},
    Glyph{'9', 3.6, "0.3,5.6 0.9,6:1.7,6 3.6,6:3.6,2.5 3.6,0:1.8,0 0,0:0,1.7 0,3.4:1.8,3.4 3.6,3.4:3.6,1.7"},
    Glyph{U'Ł', 4.0, "0.6,0 0.6,6 4,6|0,3.9 1.9,2.5"},  // Ł: L with a bar through its stem
};

// The marks of the accented capitals. Marks above sit between y = -2.45 and
// -1.4, clear of the cap stroke and inside a banner's band; Å's ring rests on
// the apex, large enough to show its hole at banner size; marks below hang
// from the baseline to y = 7.8. Their x runs from the base letter's middle
// (Anchor::Middle) or its right edge (Anchor::Right).
enum class Anchor { Middle, Right };
struct Mark {
  Anchor anchor;
  const char* strokes;
};
constexpr Mark kAcute{Anchor::Middle, "-0.5,-1.45 0.7,-2.45"};
constexpr Mark kGrave{Anchor::Middle, "-0.7,-2.45 0.5,-1.45"};
constexpr Mark kCircumflex{Anchor::Middle, "-1.2,-1.45 0,-2.45 1.2,-1.45"};
constexpr Mark kDiaeresis{Anchor::Middle, "-1,-1.9 -0.99,-1.9|1,-1.9 1.01,-1.9"};
constexpr Mark kRing{Anchor::Middle, "0,-2.3 0.85,-2.3:0.85,-1.45 0.85,-0.6:0,-0.6 -0.85,-0.6:-0.85,-1.45 -0.85,-2.3:0,-2.3"};
constexpr Mark kTilde{Anchor::Middle, "-1.3,-1.5 -0.75,-2.5:0,-2 0.75,-1.5:1.3,-2.4"};
constexpr Mark kDotAbove{Anchor::Middle, "0,-1.9 0.01,-1.9"};
constexpr Mark kCedilla{Anchor::Middle, "0.1,6 0.1,6.9 1,6.9:1,7.3 1,7.7:-0.3,7.7"};
constexpr Mark kOgonek{Anchor::Right, "-0.4,6 -1.3,6.6:-1.1,7.2 -0.9,7.8:0,7.6"};

// An accented capital: its base letter's strokes and one mark.
struct Accented {
  char32_t character;
  char base;
  const Mark& mark;
};

constexpr std::array kAccented{
    Accented{U'Á', 'A', kAcute},      Accented{U'À', 'A', kGrave},
    Accented{U'Â', 'A', kCircumflex}, Accented{U'Ä', 'A', kDiaeresis},
    Accented{U'Å', 'A', kRing},       Accented{U'Ã', 'A', kTilde},
    Accented{U'Ą', 'A', kOgonek},     Accented{U'Ç', 'C', kCedilla},
    Accented{U'Ć', 'C', kAcute},      Accented{U'É', 'E', kAcute},
    Accented{U'È', 'E', kGrave},      Accented{U'Ê', 'E', kCircumflex},
    Accented{U'Ë', 'E', kDiaeresis},  Accented{U'Ę', 'E', kOgonek},
    Accented{U'Í', 'I', kAcute},      Accented{U'Ì', 'I', kGrave},
    Accented{U'Î', 'I', kCircumflex}, Accented{U'Ï', 'I', kDiaeresis},
    Accented{U'Ñ', 'N', kTilde},      Accented{U'Ń', 'N', kAcute},
    Accented{U'Ó', 'O', kAcute},      Accented{U'Ò', 'O', kGrave},
    Accented{U'Ô', 'O', kCircumflex}, Accented{U'Ö', 'O', kDiaeresis},
    Accented{U'Õ', 'O', kTilde},      Accented{U'Ś', 'S', kAcute},
    Accented{U'Ú', 'U', kAcute},      Accented{U'Ù', 'U', kGrave},
    Accented{U'Û', 'U', kCircumflex}, Accented{U'Ü', 'U', kDiaeresis},
    Accented{U'Ź', 'Z', kAcute},      Accented{U'Ż', 'Z', kDotAbove},
};

const Glyph* plainGlyph(char32_t character) {
  const auto glyph = std::find_if(kGlyphs.begin(), kGlyphs.end(),
                                  [character](const Glyph& g) { return g.character == character; });
  return glyph == kGlyphs.end() ? nullptr : &*glyph;
}

const Accented* accentedGlyph(char32_t character) {
  const auto accented = std::find_if(kAccented.begin(), kAccented.end(),
                                     [character](const Accented& a) { return a.character == character; });
  return accented == kAccented.end() ? nullptr : &*accented;
}

// What one character is drawn with: a glyph, and a mark for an accented capital.
struct Letter {
  const Glyph& glyph;
  const Mark* mark;
};

Letter letterFor(char32_t character) {
  if (const Glyph* glyph = plainGlyph(character)) return {*glyph, nullptr};
  if (const Accented* accented = accentedGlyph(character)) return {*plainGlyph(accented->base), &accented->mark};
  throw std::invalid_argument("no glyph for '" + QString::fromUcs4(&character, 1).toStdString() + "'");
}

QList<uint> characters(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
}

double parseNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) {
    throw std::invalid_argument("bad glyph coordinate '" + std::string(text) + "'");
  }
  return value;
}

QPointF parsePoint(std::string_view text) {
  const auto comma = text.find(',');
  return {parseNumber(text.substr(0, comma)), parseNumber(text.substr(comma + 1))};
}

// Appends strokes to `path`, scaled by `unit` and moved by `origin`.
void addStrokes(QPainterPath& path, std::string_view strokes, QPointF origin, double unit) {
  std::size_t position = 0;
  while (position < strokes.size()) {
    const std::size_t strokeEnd = std::min(strokes.find('|', position), strokes.size());
    const std::string_view stroke = strokes.substr(position, strokeEnd - position);
    bool first = true;
    std::size_t tokenStart = 0;
    while (tokenStart < stroke.size()) {
      const std::size_t tokenEnd = std::min(stroke.find(' ', tokenStart), stroke.size());
      const std::string_view token = stroke.substr(tokenStart, tokenEnd - tokenStart);
      const auto colon = token.find(':');
      const QPointF end = origin + parsePoint(token.substr(colon == token.npos ? 0 : colon + 1)) * unit;
      if (first) {
        path.moveTo(end);
        first = false;
      } else if (colon == token.npos) {
        path.lineTo(end);
      } else {
        path.quadTo(origin + parsePoint(token.substr(0, colon)) * unit, end);
      }
      tokenStart = tokenEnd + 1;
    }
    position = strokeEnd + 1;
  }
}

}  // namespace

Lettering::Lettering(double capHeight, double strokeWidth)
    : unit_(capHeight / 6.0), strokeWidth_(strokeWidth) {}

double Lettering::gap() const { return 1.3 * unit_ + strokeWidth_; }

double Lettering::width(std::string_view text) const {
  double total = 0;
  for (const char32_t character : characters(text)) total += letterFor(character).glyph.width * unit_ + gap();
  return text.empty() ? 0 : total - gap();
}

QPainterPath Lettering::centreLines(std::string_view text) const {
  QPainterPath path;
  double x = 0;
  for (const char32_t character : characters(text)) {
    const Letter letter = letterFor(character);
    addStrokes(path, letter.glyph.strokes, QPointF(x, 0), unit_);
    if (letter.mark != nullptr) {
      const double anchor = letter.mark->anchor == Anchor::Middle ? letter.glyph.width / 2 : letter.glyph.width;
      addStrokes(path, letter.mark->strokes, QPointF(x + anchor * unit_, 0), unit_);
    }
    x += letter.glyph.width * unit_ + gap();
  }
  return path;
}

QPainterPath Lettering::outline(std::string_view text, QPointF centre) const {
  QPainterPathStroker stroker;
  stroker.setWidth(strokeWidth_);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  const QPainterPath shape = stroker.createStroke(centreLines(text)).simplified();
  return shape.translated(centre - QPointF(width(text) / 2, 3 * unit_));
}

void Lettering::draw(QPainter& painter, std::string_view text, QPointF centre,
                     const QColor& colour) const {
  painter.fillPath(outline(text, centre), colour);
}

}  // namespace kalvenor::lettering
