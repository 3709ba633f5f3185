// SPDX-License-Identifier: GPL-3.0-or-later
// The window's life and the "File" menu: load, Start, Sound, Stop playing,
// Exit, unload; and the random sequence's own clock, Tmr1.

#include "kalvenor/frmsea.h"

namespace kalvenor {

namespace {

// The intact image of each ship, given to its panel slot at Start.
constexpr int intactImage(int ship) { return classOf(ship).intactImage; }

}  // namespace

void Frmsea::formLoad() {
  enable(Timer::Tmr1);  // the random sequence runs for as long as the window is open
  placeTitle();
  show(Control::Pic1);
  startUpSound();
}

void Frmsea::formUnload() { windowClosingSound(); }

void Frmsea::mnustartClick() {
  setMenuEnabled(MenuItem::Mnustart, false);
  setMenuEnabled(MenuItem::Mnustop, true);
  hide(Control::Pic1);

  // A game cut short by Stop playing, or a finished game whose last sinking,
  // marker or buoy cycle still runs, must not leak into the new one.
  disable(Timer::Tmr3);
  disable(Timer::Tmr4);
  disable(Timer::Tmr5);
  disable(Timer::Tmr6);
  for (int bar = 0; bar < 4; ++bar) hide(Control::Lblexp, bar);
  busy = 0;
  buoymode = 0;
  buoybusy = 0;
  setBuoyCaption(kBuoyIdleCaption);

  for (int s = 0; s < kShips; ++s) movePanel(s, panelPosition(s));
  for (int s = 0; s < kShips; ++s) setPanelImage(s, intactImage(s));
  score = 1000;
  showScore();
  for (int k = 0; k < kCells; ++k) {
    occupied[k] = 0;
    shot[k] = 0;
    // The grid stays hidden until the fleet is placed, so that no click can
    // spend a cell of the coming fleet.
    hide(Control::Picarea, k);
    setCellEnabled(k, true);
    setCellColour(k, CellColour::Grey);
  }
  hits.fill(0);
  buoyused.fill(0);
  cellhit.fill(0);
  for (Control control : kGameControls) {
    for (int n = 0; n < controlCount(control); ++n) show(control, n);
  }
  enable(Timer::Tmr2);
  events_.gameStarted();
}

void Frmsea::mnusoundClick() { setSoundChecked(!screen_.soundChecked); }

void Frmsea::mnustopClick() {
  setMenuEnabled(MenuItem::Mnustop, false);
  setMenuEnabled(MenuItem::Mnustart, true);
  disable(Timer::Tmr2);
  disable(Timer::Tmr3);
  disable(Timer::Tmr4);
  disable(Timer::Tmr5);
  disable(Timer::Tmr6);
  for (int k = 0; k < kCells; ++k) hide(Control::Picarea, k);
  for (int bar = 0; bar < 4; ++bar) hide(Control::Lblexp, bar);
  for (Control control : kGameControls) {
    for (int n = 0; n < controlCount(control); ++n) hide(control, n);
  }
  placeTitle();
  show(Control::Pic1);
}

void Frmsea::mnuexitClick() { view_.endProgram(); }

void Frmsea::tmr1Timer() { tmr1Ticks(1); }

void Frmsea::tmr1Ticks(std::uint64_t count) { random_.skip(count); }

void Frmsea::tmr2Timer() {
  disable(Timer::Tmr2);
  runPlacementChain();
}

}  // namespace kalvenor
