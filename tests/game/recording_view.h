// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view that keeps what it was told, for tests: its own mirror of
// the controls and a log of every operation, one line each.

#include <string>
#include <vector>

#include "kalvenor/screen.h"
#include "kalvenor/view.h"

namespace kalvenor {

class RecordingView final : public View {
 public:
  void setShown(Control control, int index, bool shown) override;
  void setCellColour(int cell, CellColour colour) override;
  void setCellEnabled(int cell, bool enabled) override;
  void setPanelImage(int slot, int image) override;
  void setCaption(Control control, std::string_view caption) override;
  void moveControl(Control control, int index, TwipPoint position) override;
  void placeTitle(TwipRect rect) override;
  void setMenuEnabled(MenuItem item, bool enabled) override;
  void setMenuChecked(MenuItem item, bool checked) override;
  void endProgram() override;

  const Screen& screen() const { return screen_; }
  const std::vector<std::string>& log() const { return log_; }
  void clearLog() { log_.clear(); }
  bool ended() const { return ended_; }

 private:
  Screen screen_;
  std::vector<std::string> log_;
  bool ended_ = false;
};

}  // namespace kalvenor
