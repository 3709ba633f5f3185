// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the game window that the logic drives, the menu items and
// the timers, with their fixed properties.

#include <array>
#include <string_view>

namespace kalvenor {

// Every control the logic shows, hides, moves or captions. Elements of a
// control array share the name and differ by index.
enum class Control {
  Picarea,      // grid cells 0..749
  Picmapots,    // banner over the grid
  Picfleetots,  // banner over the fleet panel
  Picship2,     // fleet panel slots 0..9
  Pic1,         // title picture
  Picamod,      // legend swatches 0..5
  Lblohje,      // legend captions 0..5
  Line1,        // legend frame 0..3
  Lblexp,       // hit marker bars 0..3
  Lbllbuoy,     // buoy label, index 0 only
  Cmdbuoy,      // buoy buttons 0..4
  Lblscore1,    // "Score:"
  Lblscore2,    // the score
};
inline constexpr int kControlKinds = 13;

// How many elements each control has, in the order of Control.
inline constexpr std::array<int, kControlKinds> kControlCounts = {750, 1, 1, 10, 1, 6, 6, 4, 4, 1, 5, 1, 1};
constexpr int controlCount(Control c) { return kControlCounts[static_cast<int>(c)]; }

// Where each control's elements start in one flat list of every element.
inline constexpr std::array<int, kControlKinds + 1> kControlBase = [] {
  std::array<int, kControlKinds + 1> base{};
  for (int c = 0; c < kControlKinds; ++c) base[c + 1] = base[c] + controlCount(static_cast<Control>(c));
  return base;
}();
inline constexpr int kControlElements = kControlBase[kControlKinds];

// The controls of a game in play, every element of each: Start shows them and
// Stop playing hides them. The grid (shown once the fleet is placed) and the
// hit marker come and go with the game's own sequences.
inline constexpr std::array kGameControls{Control::Picmapots, Control::Picfleetots, Control::Picship2,
                                          Control::Picamod,   Control::Lblohje,     Control::Line1,
                                          Control::Lbllbuoy,  Control::Cmdbuoy,     Control::Lblscore1,
                                          Control::Lblscore2};

enum class MenuItem { Mnustart, Mnusound, Mnustop, Mnuexit };

// Timers Tmr1..Tmr9; the interval of each is fixed.
enum class Timer { Tmr1 = 1, Tmr2, Tmr3, Tmr4, Tmr5, Tmr6, Tmr7, Tmr8, Tmr9 };
inline constexpr int kTimers = 9;

inline constexpr std::array<int, kTimers> kTimerIntervalsMs = {2, 500, 100, 10, 200, 1000, 800, 800, 1700};
constexpr int intervalMs(Timer t) { return kTimerIntervalsMs[static_cast<int>(t) - 1]; }
constexpr Timer timerNumber(int n) { return static_cast<Timer>(n); }

// A rectangle in twips (15 to a pixel), from the client area's top-left.
struct TwipRect {
  int left, top, width, height;
  bool operator==(const TwipRect&) const = default;
};
struct TwipPoint {
  int left, top;
  bool operator==(const TwipPoint&) const = default;
};

// The one place of the title picture, at window load and at Stop playing.
inline constexpr TwipRect kTitleRect = {3480, 240, 7380, 6870};

// Where Start puts fleet panel slot k (ship k's); until then every slot sits
// on ship 0's place.
constexpr TwipPoint panelPosition(int ship) { return {ship % 2 == 0 ? 7560 : 10800, 600 + 1080 * (ship / 2)}; }

// The hit-marker bars' places as the window is built: top, bottom, left,
// right. The game moves them.
inline constexpr std::array<TwipPoint, 4> kMarkerBarPlaces = {{{7440, 1560}, {7440, 1800}, {7440, 2160}, {7680, 2160}}};

// The score's caption as the window is built.
inline constexpr std::string_view kScoreCaptionAtLoad = " 1000";

inline constexpr std::string_view kBuoyIdleCaption = "Listening buoys (Loss of points in button)";
inline constexpr std::string_view kBuoyPendingCaption = "Set listening buoy to the map";

}  // namespace kalvenor
