// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "scores/best_scores.h"
#include "help/game_keys.h"

namespace kalvenor::ui {

HelpMenu::HelpMenu(QMenuBar& menuBar, QWidget& window, BestScores& scores)
    : menuBar_(menuBar), window_(window), menu_(menuBar.addMenu(tr("&Help"))), scores_(scores) {
  const auto add = [this](HelpItem item, QKeySequence keys) {
    QAction* action = menu_->addAction(helpItemTitle(item), this, [this, item] { open(item); });
    action->setShortcut(keys);
  };
  add(HelpItem::HowToPlay, keys::kHowToPlay);
  add(HelpItem::BestScores, keys::kBestScores);
  add(HelpItem::About, {});
}

void HelpMenu::open(HelpItem item) {
  if (item == HelpItem::BestScores) scores_.reload();
  HelpDialog dialog(item, scores_, menuBar_, cellSymbols_, &window_);
  dialog.exec();
}

}  // namespace kalvenor::ui

#include "moc_help_menu.cpp"
