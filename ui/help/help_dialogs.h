// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's dialogs. Each opens with its text where the keyboard and a
// screen reader find it at once, and closes with Esc.

#include <QDialog>

#include "help/help_items.h"

class QMenuBar;

namespace kalvenor::ui {

class BestScores;

class HelpDialog final : public QDialog {
  Q_OBJECT

 public:
  // How to play lists the keys of the menus on `menus` beside the game's own.
  HelpDialog(HelpItem item, const BestScores& scores, const QMenuBar& menus, QWidget* parent);

 private:
  void buildHowToPlay(const QMenuBar& menus);
  void buildBestScores(const BestScores& scores);
  void buildAbout();
};

}  // namespace kalvenor::ui
