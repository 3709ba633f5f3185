// SPDX-License-Identifier: GPL-3.0-or-later
// Frmsea's plumbing: the presentation helpers that keep the model's record of
// the controls and mirror it to the view, and the timer dispatch.

#include "kalvenor/frmsea.h"

#include <string>

namespace kalvenor {

Frmsea::Frmsea(View& view, Timers& timers, SoundChannels& sound, RandomSource& random, GameEvents* events)
    : view_(view), timers_(timers), sound_(sound), random_(random), events_(events ? *events : unheard_) {}

void Frmsea::onTimer(Timer timer) {
  switch (timer) {
    case Timer::Tmr1: tmr1Timer(); break;
    case Timer::Tmr2: tmr2Timer(); break;
    case Timer::Tmr3: tmr3Timer(); break;
    case Timer::Tmr4: tmr4Timer(); break;
    case Timer::Tmr5: tmr5Timer(); break;
    case Timer::Tmr6: tmr6Timer(); break;
    case Timer::Tmr7: tmr7Timer(); break;
    case Timer::Tmr8: tmr8Timer(); break;
    case Timer::Tmr9: tmr9Timer(); break;
  }
}

bool Frmsea::clickable(Control control, int index) const {
  if (index < 0 || index >= controlCount(control) || !screen_.shown(control, index)) return false;
  return control != Control::Picarea || screen_.cellEnabled[index];
}

void Frmsea::restart(Timer t) {
  disable(t);
  enable(t);
}

void Frmsea::setShown(Control control, int index, bool shown) {
  screen_.setShown(control, index, shown);
  view_.setShown(control, index, shown);
}

void Frmsea::setCellColour(int cell, CellColour colour) {
  screen_.cellColour[cell] = colour;
  view_.setCellColour(cell, colour);
}

void Frmsea::setCellEnabled(int cell, bool enabled) {
  screen_.cellEnabled[cell] = enabled;
  view_.setCellEnabled(cell, enabled);
}

void Frmsea::setPanelImage(int slot, int image) {
  screen_.panelImage[slot] = image;
  view_.setPanelImage(slot, image);
}

void Frmsea::movePanel(int slot, TwipPoint position) {
  screen_.panelPosition[slot] = position;
  view_.moveControl(Control::Picship2, slot, position);
}

void Frmsea::moveMarkerBar(int bar, TwipPoint position) {
  screen_.markerPosition[bar] = position;
  view_.moveControl(Control::Lblexp, bar, position);
}

void Frmsea::placeTitle() {
  screen_.titleRect = kTitleRect;
  view_.placeTitle(kTitleRect);
}

void Frmsea::setBuoyCaption(std::string_view caption) {
  screen_.buoyCaption = caption;
  view_.setCaption(Control::Lbllbuoy, caption);
}

// The score as the default text of a 16-bit integer: a leading blank when
// it is not negative (" 1000"), a minus sign otherwise ("-5").
std::string scoreText(std::int16_t score) {
  return (score < 0 ? "" : " ") + std::to_string(score);
}

void Frmsea::showScore() {
  screen_.scoreCaption = scoreText(score);
  view_.setCaption(Control::Lblscore2, screen_.scoreCaption);
  events_.scoreChanged(score);
}

void Frmsea::setMenuEnabled(MenuItem item, bool enabled) {
  (item == MenuItem::Mnustart ? screen_.startEnabled : screen_.stopEnabled) = enabled;
  view_.setMenuEnabled(item, enabled);
}

void Frmsea::setSoundChecked(bool checked) {
  screen_.soundChecked = checked;
  view_.setMenuChecked(MenuItem::Mnusound, checked);
}

}  // namespace kalvenor
