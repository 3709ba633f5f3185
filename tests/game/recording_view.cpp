// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_view.h"

namespace kalvenor {

namespace {
std::string numbered(const char* what, int index) { return std::string(what) + " " + std::to_string(index); }
}  // namespace

void RecordingView::setShown(Control control, int index, bool shown) {
  screen_.setShown(control, index, shown);
  log_.push_back(numbered(shown ? "show" : "hide", static_cast<int>(control)) + " " + std::to_string(index));
}

void RecordingView::setCellColour(int cell, CellColour colour) {
  screen_.cellColour[cell] = colour;
  log_.push_back(numbered("colour", cell) + " " + colourLetter(colour));
}

void RecordingView::setCellEnabled(int cell, bool enabled) {
  screen_.cellEnabled[cell] = enabled;
  log_.push_back(numbered(enabled ? "enable" : "disable", cell));
}

void RecordingView::setPanelImage(int slot, int image) {
  screen_.panelImage[slot] = image;
  log_.push_back(numbered("panel", slot) + " " + std::to_string(image));
}

void RecordingView::setCaption(Control control, std::string_view caption) {
  (control == Control::Lbllbuoy ? screen_.buoyCaption : screen_.scoreCaption) = caption;
  log_.push_back(numbered("caption", static_cast<int>(control)) + " " + std::string(caption));
}

void RecordingView::moveControl(Control control, int index, TwipPoint position) {
  if (control == Control::Picship2) screen_.panelPosition[index] = position;
  if (control == Control::Lblexp) screen_.markerPosition[index] = position;
  log_.push_back(numbered("move", static_cast<int>(control)) + " " + std::to_string(index) + " " +
                 std::to_string(position.left) + " " + std::to_string(position.top));
}

void RecordingView::placeTitle(TwipRect rect) {
  screen_.titleRect = rect;
  log_.push_back("title");
}

void RecordingView::setMenuEnabled(MenuItem item, bool enabled) {
  (item == MenuItem::Mnustart ? screen_.startEnabled : screen_.stopEnabled) = enabled;
  log_.push_back(numbered(enabled ? "menu-enable" : "menu-disable", static_cast<int>(item)));
}

void RecordingView::setMenuChecked(MenuItem, bool checked) {
  screen_.soundChecked = checked;
  log_.push_back(checked ? "sound-on" : "sound-off");
}

void RecordingView::endProgram() {
  ended_ = true;
  log_.push_back("end");
}

}  // namespace kalvenor
