// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "best_scores.h"
#include "game_keys.h"
#include "sea_window.h"

namespace kalvenor::ui {

HelpMenu::HelpMenu(SeaWindow& window, BestScores& scores) : window_(window), scores_(scores) {
  QMenu* help = window.menuBar()->addMenu(helpMenuTitle());
  window.nameForScreenReader(*help);
  const auto add = [this, help](const QString& caption, QKeySequence keys, HelpDialog::Kind kind) {
    QAction* action = help->addAction(caption, this, [this, kind] { open(kind); });
    action->setShortcut(keys);
  };
  add(tr("How to play"), keys::kHowToPlay, HelpDialog::Kind::HowToPlay);
  add(tr("Best scores"), keys::kBestScores, HelpDialog::Kind::BestScores);
  add(tr("About Kalvenor"), {}, HelpDialog::Kind::About);
}

void HelpMenu::open(HelpDialog::Kind kind) {
  if (kind == HelpDialog::Kind::BestScores) scores_.reload();
  HelpDialog dialog(kind, scores_, &window_);
  dialog.exec();
}

}  // namespace kalvenor::ui
