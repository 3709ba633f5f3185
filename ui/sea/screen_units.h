// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window is laid out in twips and coloured with &H00BBGGRR values; these
// turn both into what Qt draws with.

#include <QColor>
#include <QPoint>
#include <QRect>

#include "kalvenor/controls.h"
#include "kalvenor/grid.h"

namespace kalvenor::ui {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel: 335 twips make a 22-pixel banner.
constexpr int pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QPoint toPixels(TwipPoint p) { return {pixels(p.left), pixels(p.top)}; }
inline QRect toPixels(TwipRect r) {
  return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

constexpr QRgb rgbFromBgr(int bgr) {
  return qRgb(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}
inline QColor toQColor(int bgr) { return QColor::fromRgb(rgbFromBgr(bgr)); }
inline QColor toQColor(CellColour colour) { return toQColor(static_cast<int>(colour)); }

}  // namespace kalvenor::ui
