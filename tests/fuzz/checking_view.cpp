// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking_view.h"

#include "breach.h"
#include "kalvenor/fleet.h"

namespace kalvenor::fuzz {

namespace {

bool validCell(int cell) { return cell >= 0 && cell < kCells; }
bool hasElement(Control control, int index) { return index >= 0 && index < controlCount(control); }

}  // namespace

bool legendColour(CellColour colour) {
  switch (colour) {
    case CellColour::Grey:
    case CellColour::Cyan:
    case CellColour::Red:
    case CellColour::Black:
    case CellColour::DarkYellow:
    case CellColour::Yellow: return true;
  }
  return false;
}

void CheckingView::setShown(Control control, int index, bool) {
  require(hasElement(control, index), "shows or hides an element the control does not have");
}

void CheckingView::setCellColour(int cell, CellColour colour) {
  require(validCell(cell), "colours a cell outside the grid");
  require(legendColour(colour), "colours a cell with a colour outside the legend");
}

void CheckingView::setCellEnabled(int cell, bool) { require(validCell(cell), "enables a cell outside the grid"); }

void CheckingView::setPanelImage(int slot, int image) {
  require(hasElement(Control::Picship2, slot), "gives a picture to a panel slot that does not exist");
  require(image >= 0 && image < kShipImages, "shows a ship picture the ship list does not have");
}

void CheckingView::setCaption(Control control, std::string_view) {
  require(control == Control::Lbllbuoy || control == Control::Lblscore2, "captions a control that has no caption");
}

void CheckingView::moveControl(Control control, int index, TwipPoint) {
  require(control == Control::Picship2 || control == Control::Lblexp, "moves a control that never moves");
  require(hasElement(control, index), "moves an element the control does not have");
}

void CheckingView::setMenuEnabled(MenuItem item, bool) {
  require(item == MenuItem::Mnustart || item == MenuItem::Mnustop, "enables or disables a menu item that is always on");
}

void CheckingView::setMenuChecked(MenuItem item, bool) {
  require(item == MenuItem::Mnusound, "checks a menu item other than Sound");
}

}  // namespace kalvenor::fuzz
