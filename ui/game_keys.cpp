// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_keys.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>

namespace kalvenor::ui {

QList<GameKey> gameKeys() {
  const auto tr = [](const char* text) { return QCoreApplication::translate("GameKeys", text); };
  return {
      {{QKeyCombination(Qt::ALT, Qt::Key_F)}, tr("Open the File menu")},
      {{QKeyCombination(Qt::ALT, Qt::Key_H)}, tr("Open the Help menu")},
      {{keys::kStart}, tr("Start a game, when Start is enabled")},
      {{keys::kExit}, tr("Exit")},
      {{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}, tr("Move the cursor on the grid")},
      {{Qt::Key_Home, Qt::Key_End}, tr("Move the cursor to the first or last column")},
      {{Qt::Key_PageUp, Qt::Key_PageDown}, tr("Move the cursor to the top or bottom row")},
      {{Qt::Key_Space, Qt::Key_Return}, tr("Fire at the cursor's cell, or drop a bought buoy there")},
      {{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5}, tr("Buy a buoy: 1 for \"-10\" up to 5 for \"-50\"")},
      {{Qt::Key_Tab}, tr("Move from the grid to the buoy buttons shown, and back")},
      {{keys::kHowToPlay}, tr("How to play")},
      {{keys::kBestScores}, tr("Best scores")},
  };
}

QString keyNames(const GameKey& key) {
  QStringList names;
  for (const QKeyCombination combination : key.keys) {
    names << QKeySequence(combination).toString(QKeySequence::NativeText);
  }
  return names.join(QStringLiteral(", "));
}

}  // namespace kalvenor::ui
