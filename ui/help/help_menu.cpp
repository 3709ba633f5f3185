// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "scores/best_scores.h"
#include "help/game_keys.h"

namespace kalvenor::ui {

HelpMenu::HelpMenu(QMenuBar& menuBar, QWidget& window, BestScores& scores)
    : window_(window), menu_(menuBar.addMenu(helpMenuTitle())), scores_(scores) {
  const auto add = [this, help = menu_](const QString& caption, QKeySequence keys, HelpDialog::Kind kind) {
    QAction* action = help->addAction(caption, this, [this, kind] { open(kind); });
    action->setShortcut(keys);
  };
  add(tr("How to play"), keys::kHowToPlay, HelpDialog::Kind::HowToPlay);
  add(tr("Best scores"), keys::kBestScores, HelpDialog::Kind::BestScores);
  add(tr("About Kalvenor"), {}, HelpDialog::Kind::About);
}

void HelpMenu::open(HelpDialog::Kind kind) {
  if (kind == HelpDialog::Kind::BestScores) scores_.reload();
  HelpDialog dialog(kind, scores_, cellSymbols_, &window_);
  dialog.exec();
}

}  // namespace kalvenor::ui
