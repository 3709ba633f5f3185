// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view that holds every presentation operation to the window's controls:
// an index the control has, a colour of the legend, a picture of the ship
// list. It draws nothing; the game keeps its own record of the controls.

#include "kalvenor/view.h"

namespace kalvenor::fuzz {

class CheckingView final : public View {
 public:
  void setShown(Control control, int index, bool shown) override;
  void setCellColour(int cell, CellColour colour) override;
  void setCellEnabled(int cell, bool enabled) override;
  void setPanelImage(int slot, int image) override;
  void setCaption(Control control, std::string_view caption) override;
  void moveControl(Control control, int index, TwipPoint position) override;
  void placeTitle(TwipRect) override {}
  void setMenuEnabled(MenuItem item, bool enabled) override;
  void setMenuChecked(MenuItem item, bool checked) override;
  void endProgram() override { ended_ = true; }

  bool ended() const { return ended_; }

 private:
  bool ended_ = false;
};

// Whether the colour is one of the six of the legend.
bool legendColour(CellColour colour);

}  // namespace kalvenor::fuzz
