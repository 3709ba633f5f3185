// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's keys with what each does: the menus take their shortcuts from
// here and the How to play dialog shows the table.

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

#include "help/help_items.h"

namespace kalvenor::ui {

namespace keys {
inline constexpr QKeyCombination kStart(Qt::CTRL, Qt::Key_N);
inline constexpr QKeyCombination kExit(Qt::CTRL, Qt::Key_Q);
inline constexpr QKeyCombination kHowToPlay(Qt::Key_F1);
inline constexpr QKeyCombination kBestScores(Qt::CTRL, Qt::Key_H);
inline constexpr QKeyCombination kSayScore(Qt::Key_S);
}  // namespace keys

// The menus' own keys, Alt with the letter each title underlines, are not
// listed here: the How to play dialog reads them from the menu bar.
struct GameKey {
  GameKey(QList<QKeyCombination> keys, const char* does) : keys(std::move(keys)), does(does) {}
  GameKey(QList<QKeyCombination> keys, HelpItem opens) : keys(std::move(keys)), opens(opens) {}

  QList<QKeyCombination> keys;
  const char* does = nullptr;     // in the context "GameKeys"; keyDoes() translates it
  std::optional<HelpItem> opens;  // or the Help item the key opens, by its title
};

QList<GameKey> gameKeys();
// What the key does, in the player's language.
QString keyDoes(const GameKey& key);
// The keys as the desktop writes them, "Ctrl+N", joined by commas.
QString keyNames(const GameKey& key);

}  // namespace kalvenor::ui
