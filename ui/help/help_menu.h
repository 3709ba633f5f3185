// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Help" menu to the right of "File": How to play (F1), Best scores
// (Ctrl+H) and About Kalvenor. The scores are read again each time their
// dialog opens, for another window may have added to them.

#include <QObject>

#include "help/help_dialogs.h"

class QMenu;
class QMenuBar;

namespace kalvenor::ui {

class BestScores;

class HelpMenu final : public QObject {
  Q_OBJECT

 public:
  // Adds the menu to the window's menu bar; its dialogs open over `window`.
  HelpMenu(QMenuBar& menuBar, QWidget& window, BestScores& scores);

  QMenu& menu() { return *menu_; }

 private:
  void open(HelpItem item);

  QMenuBar& menuBar_;
  QWidget& window_;
  QMenu* menu_;  // owned by the menu bar
  BestScores& scores_;
};

}  // namespace kalvenor::ui
