// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Help" menu, the menu bar's last: How to play (F1), Best scores
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
  // How to play's legend shows the cells' symbols while the grid does.
  void setCellSymbolsShown(bool shown) { cellSymbols_ = shown; }

 private:
  void open(HelpItem item);

  QMenuBar& menuBar_;
  QWidget& window_;
  QMenu* menu_;  // owned by the menu bar
  BestScores& scores_;
  bool cellSymbols_ = false;
};

}  // namespace kalvenor::ui
