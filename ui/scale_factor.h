// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen scales the window is drawn for. The window's pictures are
// resampled once per scale, so a scale far above these eats memory without
// end, and one at or below zero leaves no window to show.

namespace kalvenor::ui {

inline constexpr double kSmallestScaleFactor = 1.0;
inline constexpr double kLargestScaleFactor = 2.0;

// Brings a QT_SCALE_FACTOR, or a screen's scale in QT_SCREEN_SCALE_FACTORS,
// outside the scales above to the nearest one and says so in one line. Runs
// before the application reads them.
void keepScaleFactorInRange();

}  // namespace kalvenor::ui
