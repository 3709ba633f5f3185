// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every control of the window stands before the game moves anything,
// in twips, with its colours and captions. The captions are marked for
// translation (context "Caption"), the game's own among them.

#include <QtGlobal>

#include <array>
#include <string_view>

#include "kalvenor/controls.h"
#include "kalvenor/grid.h"

namespace kalvenor::ui::design {

inline constexpr int kClientWidth = 14010;
inline constexpr int kClientHeight = 7530;

// Colours as &H00BBGGRR values.
inline constexpr int kBlue = 16711680;
inline constexpr int kCyan = static_cast<int>(CellColour::Cyan);
inline constexpr int kYellow = static_cast<int>(CellColour::Yellow);
inline constexpr int kWhite = 16777215;
inline constexpr int kCellBorder = 0x202020;  // dark grey, around cells and swatches
inline constexpr int kPressedYellow = 0x00c0c0;

// Grid cell k: a 255-twip square every 240 twips, so neighbours share an edge
// pixel.
inline constexpr TwipPoint kGridOrigin = {120, 600};
inline constexpr int kCellPitch = 240;
inline constexpr int kCellSize = 255;

inline constexpr TwipRect kGridBanner = {720, 120, 6015, 335};
inline constexpr TwipRect kFleetBanner = {7680, 120, 6015, 335};

// Fleet panel slots are placed by Start; until then they sit on ship 0's place.
inline constexpr TwipRect kPanelSlot = {panelPosition(0).left, panelPosition(0).top, 3015, 975};

struct LegendEntry {
  TwipPoint swatch;  // 255 x 255
  TwipPoint label;   // 2535 x 255
  CellColour colour;
  std::string_view caption;
};
inline constexpr int kSwatchSize = 255;
inline constexpr int kLegendLabelWidth = 2535;
inline constexpr int kLegendLabelHeight = 255;
inline constexpr std::array<LegendEntry, 6> kLegend = {{
    {{7680, 6120}, {8040, 6120}, CellColour::Grey, QT_TRANSLATE_NOOP("Caption", "Not shooted area")},
    {{7680, 6480}, {8040, 6480}, CellColour::Cyan, QT_TRANSLATE_NOOP("Caption", "Shooted, no ship on area")},
    {{7680, 6840}, {8040, 6840}, CellColour::Red, QT_TRANSLATE_NOOP("Caption", "Hit without sinking ship")},
    {{10800, 6120}, {11160, 6120}, CellColour::Black, QT_TRANSLATE_NOOP("Caption", "Hit and sunk")},
    {{10800, 6480}, {11160, 6480}, CellColour::DarkYellow, QT_TRANSLATE_NOOP("Caption", "Listening buoy")},
    {{10800, 6840},
     {11160, 6840},
     CellColour::Yellow,
     QT_TRANSLATE_NOOP("Caption", "Listening buoy flash (if ship is near)")},
}};

// The yellow frame around the legend: left, right, top, bottom.
struct TwipLine {
  TwipPoint from, to;
};
inline constexpr std::array<TwipLine, 4> kLegendFrame = {{
    {{7560, 6000}, {7560, 7200}},
    {{13800, 6000}, {13800, 7200}},
    {{7560, 6000}, {13800, 6000}},
    {{7560, 7200}, {13800, 7200}},
}};

// The hit-marker bars at the game's places: top, bottom, left, right.
constexpr TwipRect markerBar(int bar) {
  const TwipPoint place = kMarkerBarPlaces[bar];
  return bar < 2 ? TwipRect{place.left, place.top, 3255, 135} : TwipRect{place.left, place.top, 135, 1215};
}
inline constexpr std::array<TwipRect, 4> kMarkerBars = {markerBar(0), markerBar(1), markerBar(2), markerBar(3)};

inline constexpr TwipRect kBuoyLabel = {2040, 6720, 3015, 255};
inline constexpr std::string_view kBuoyLabelCaption = kBuoyIdleCaption;
// The game's two captions for the buoy label, as the translation tools see them.
inline constexpr std::array<std::string_view, 2> kBuoyCaptions = {
    QT_TRANSLATE_NOOP("Caption", "Listening buoys (Loss of points in button)"),
    QT_TRANSLATE_NOOP("Caption", "Set listening buoy to the map"),
};
static_assert(kBuoyCaptions[0] == kBuoyIdleCaption && kBuoyCaptions[1] == kBuoyPendingCaption);

// Buoy button k at 2160 + 600 k.
inline constexpr std::array<std::string_view, 5> kBuoyButtonCaptions = {"-10", "-20", "-30", "-40", "-50"};
constexpr TwipRect buoyButton(int k) { return {2160 + 600 * k, 6960, 375, 255}; }

inline constexpr TwipRect kScoreTitle = {5760, 6720, 1335, 255};
inline constexpr std::string_view kScoreTitleCaption = QT_TRANSLATE_NOOP("Caption", "Score:");
inline constexpr TwipRect kScore = {5640, 6960, 1455, 255};
inline constexpr std::string_view kScoreCaption = kScoreCaptionAtLoad;

// Fonts in pixels at 96 dots per inch: the score's bold 9.75 points, and
// for the other labels 10 pixels, the size at which the longest captions
// fit their labels.
inline constexpr int kScoreFontPixels = 13;
inline constexpr int kLabelFontPixels = 10;

// The title picture's place until the game places it.
inline constexpr TwipRect kTitle = kTitleRect;

}  // namespace kalvenor::ui::design
