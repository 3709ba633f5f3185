// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's keys with what each does: the one list that the window handles
// its keys from, the menus take their shortcuts from and the How to play
// dialog shows as its table (the README and the manual page follow it).

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

#include "help/help_items.h"
#include "sea/cursor_move.h"

namespace kalvenor::ui {

namespace keys {
inline constexpr QKeyCombination kStart(Qt::CTRL, Qt::Key_N);
inline constexpr QKeyCombination kExit(Qt::CTRL, Qt::Key_Q);
inline constexpr QKeyCombination kHowToPlay(Qt::Key_F1);
inline constexpr QKeyCombination kBestScores(Qt::CTRL, Qt::Key_H);
}  // namespace keys

// What a key does in the window. Shortcuts, Tab and Esc are Qt's own to
// handle (Elsewhere); the grid's keys work while the grid has the focus.
enum class KeyCommand { Elsewhere, MoveCursor, Fire, BuyBuoy, SayScore, SayFleet, SayBuoys, SayRow, SayColumn };

struct KeyBinding {
  QKeyCombination key;
  KeyCommand command = KeyCommand::Elsewhere;
  CursorMove move = CursorMove::Left;  // for MoveCursor
  int button = 0;                      // for BuyBuoy: 0 for "-10"
};

// The menus' own keys, Alt with the letter each title underlines, are not
// listed here: the How to play dialog reads them from the menu bar.
struct GameKey {
  GameKey(QList<KeyBinding> keys, const char* does) : keys(std::move(keys)), does(does) {}
  GameKey(QList<KeyBinding> keys, HelpItem opens) : keys(std::move(keys)), opens(opens) {}

  QList<KeyBinding> keys;
  const char* does = nullptr;     // in the context "GameKeys"; keyDoes() translates it
  std::optional<HelpItem> opens;  // or the Help item the key opens, by its title
};

QList<GameKey> gameKeys();
// The binding of a pressed key, keypad or not; none for a key the list does
// not hold.
std::optional<KeyBinding> boundKey(QKeyCombination pressed);
// What the key does, in the player's language.
QString keyDoes(const GameKey& key);
// The keys as the desktop writes them, "Ctrl+N", joined by commas.
QString keyNames(const GameKey& key);

}  // namespace kalvenor::ui
