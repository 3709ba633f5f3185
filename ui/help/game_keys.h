// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's keys with what each does: the menus take their shortcuts from
// here and the How to play dialog shows the table.

#include <QKeyCombination>
#include <QList>
#include <QString>

namespace kalvenor::ui {

namespace keys {
inline constexpr QKeyCombination kStart(Qt::CTRL, Qt::Key_N);
inline constexpr QKeyCombination kExit(Qt::CTRL, Qt::Key_Q);
inline constexpr QKeyCombination kHowToPlay(Qt::Key_F1);
inline constexpr QKeyCombination kBestScores(Qt::CTRL, Qt::Key_H);
inline constexpr QKeyCombination kSayScore(Qt::Key_S);
}  // namespace keys

// The menus' titles in the player's language. Their underlined letters are
// the menus' keys with Alt, which each language chooses.
QString fileMenuTitle();
QString settingsMenuTitle();
QString helpMenuTitle();

struct GameKey {
  QList<QKeyCombination> keys;
  const char* does;  // in the context "GameKeys"; does() translates it
};

QList<GameKey> gameKeys();
// What the key does, in the player's language.
QString keyDoes(const GameKey& key);
// The keys as the desktop writes them, "Ctrl+N", joined by commas.
QString keyNames(const GameKey& key);

}  // namespace kalvenor::ui
