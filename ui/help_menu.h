// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Help" menu to the right of "File": How to play (F1), Best scores
// (Ctrl+H) and About Kalvenor. The scores are read again each time their
// dialog opens, for another window may have added to them.

#include <QObject>

#include "help_dialogs.h"

namespace kalvenor::ui {

class BestScores;
class SeaWindow;

class HelpMenu final : public QObject {
  Q_OBJECT

 public:
  HelpMenu(SeaWindow& window, BestScores& scores);

 private:
  void open(HelpDialog::Kind kind);

  SeaWindow& window_;
  BestScores& scores_;
};

}  // namespace kalvenor::ui
