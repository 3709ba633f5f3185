// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game logic does to the window: the presentation operations.
// The logic keeps the state of every control itself (see Screen) and mirrors
// each change here; a view never has to answer a question.

#include <string_view>

#include "kalvenor/controls.h"
#include "kalvenor/grid.h"

namespace kalvenor {

class View {
 public:
  virtual ~View() = default;

  // Show or hide element `index` of a control (0 for single controls).
  virtual void setShown(Control control, int index, bool shown) = 0;
  virtual void setCellColour(int cell, CellColour colour) = 0;
  virtual void setCellEnabled(int cell, bool enabled) = 0;
  // Copies image `image` of the ship list into fleet panel slot `slot`.
  virtual void setPanelImage(int slot, int image) = 0;
  // Captions of the labels the logic writes: Lbllbuoy(0) and Lblscore2.
  virtual void setCaption(Control control, std::string_view caption) = 0;
  // Moves Picship2(index) or Lblexp(index); twips.
  virtual void moveControl(Control control, int index, TwipPoint position) = 0;
  // Places the title picture Pic1, without a border.
  virtual void placeTitle(TwipRect rect) = 0;
  virtual void setMenuEnabled(MenuItem item, bool enabled) = 0;
  virtual void setMenuChecked(MenuItem item, bool checked) = 0;
  // Ends the program at once (the Exit command); no unload step follows.
  virtual void endProgram() = 0;
};

// A view that shows nothing, for tools and tests that only look at the model.
class NullView final : public View {
 public:
  void setShown(Control, int, bool) override {}
  void setCellColour(int, CellColour) override {}
  void setCellEnabled(int, bool) override {}
  void setPanelImage(int, int) override {}
  void setCaption(Control, std::string_view) override {}
  void moveControl(Control, int, TwipPoint) override {}
  void placeTitle(TwipRect) override {}
  void setMenuEnabled(MenuItem, bool) override {}
  void setMenuChecked(MenuItem, bool) override {}
  void endProgram() override {}
};

}  // namespace kalvenor
