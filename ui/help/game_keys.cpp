// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/game_keys.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>

namespace kalvenor::ui {

QList<GameKey> gameKeys() {
  return {
      {{keys::kStart}, QT_TRANSLATE_NOOP("GameKeys", "Start a game, when Start is enabled")},
      {{keys::kExit}, QT_TRANSLATE_NOOP("GameKeys", "Exit")},
      {{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down},
       QT_TRANSLATE_NOOP("GameKeys", "Move the cursor on the grid")},
      {{Qt::Key_Home, Qt::Key_End}, QT_TRANSLATE_NOOP("GameKeys", "Move the cursor to the first or last column")},
      {{Qt::Key_PageUp, Qt::Key_PageDown}, QT_TRANSLATE_NOOP("GameKeys", "Move the cursor to the top or bottom row")},
      {{Qt::Key_Space, Qt::Key_Return},
       QT_TRANSLATE_NOOP("GameKeys", "Fire at the cursor's cell, or drop a bought buoy there")},
      {{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5},
       QT_TRANSLATE_NOOP("GameKeys", "Buy a buoy: 1 for \"-10\" up to 5 for \"-50\"")},
      {{Qt::Key_Tab}, QT_TRANSLATE_NOOP("GameKeys", "Move from the grid to the buoy buttons shown, and back")},
      {{keys::kSayScore}, QT_TRANSLATE_NOOP("GameKeys", "Have the screen reader say the score")},
      {{keys::kHowToPlay}, HelpItem::HowToPlay},
      {{keys::kBestScores}, HelpItem::BestScores},
      {{Qt::Key_Escape}, QT_TRANSLATE_NOOP("GameKeys", "Close a dialog or a menu")},
  };
}

QString keyDoes(const GameKey& key) {
  return key.opens ? helpItemTitle(*key.opens) : QCoreApplication::translate("GameKeys", key.does);
}

QString keyNames(const GameKey& key) {
  QStringList names;
  for (const QKeyCombination combination : key.keys) {
    names << QKeySequence(combination).toString(QKeySequence::NativeText);
  }
  return names.join(QStringLiteral(", "));
}

}  // namespace kalvenor::ui
