// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/game_keys.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>

namespace kalvenor::ui {

namespace {

KeyBinding move(Qt::Key key, CursorMove where) { return {key, KeyCommand::MoveCursor, where}; }
KeyBinding buoy(int button) { return {Qt::Key(Qt::Key_1 + button), KeyCommand::BuyBuoy, {}, button}; }
KeyBinding command(Qt::Key key, KeyCommand what) { return {key, what}; }

}  // namespace

QList<GameKey> gameKeys() {
  using enum CursorMove;
  return {
      {{{keys::kStart}}, QT_TRANSLATE_NOOP("GameKeys", "Start a game, when Start is enabled")},
      {{{keys::kExit}}, QT_TRANSLATE_NOOP("GameKeys", "Exit")},
      {{move(Qt::Key_Left, Left), move(Qt::Key_Right, Right), move(Qt::Key_Up, Up), move(Qt::Key_Down, Down)},
       QT_TRANSLATE_NOOP("GameKeys", "Move the cursor on the grid")},
      {{move(Qt::Key_Home, RowStart), move(Qt::Key_End, RowEnd)},
       QT_TRANSLATE_NOOP("GameKeys", "Move the cursor to the first or last column")},
      {{move(Qt::Key_PageUp, ColumnTop), move(Qt::Key_PageDown, ColumnBottom)},
       QT_TRANSLATE_NOOP("GameKeys", "Move the cursor to the top or bottom row")},
      {{command(Qt::Key_Space, KeyCommand::Fire), command(Qt::Key_Return, KeyCommand::Fire),
        command(Qt::Key_Enter, KeyCommand::Fire)},
       QT_TRANSLATE_NOOP("GameKeys", "Fire at the cursor's cell, or drop a bought buoy there")},
      {{buoy(0), buoy(1), buoy(2), buoy(3), buoy(4)},
       QT_TRANSLATE_NOOP("GameKeys", "Buy a buoy: 1 for \"-10\" up to 5 for \"-50\"")},
      {{{Qt::Key_Tab}}, QT_TRANSLATE_NOOP("GameKeys", "Move from the grid to the buoy buttons shown, and back")},
      {{command(Qt::Key_S, KeyCommand::SayScore)},
       QT_TRANSLATE_NOOP("GameKeys", "Have the screen reader say the score")},
      {{command(Qt::Key_F, KeyCommand::SayFleet)},
       QT_TRANSLATE_NOOP("GameKeys", "Have the screen reader say the fleet panel, ship by ship")},
      {{command(Qt::Key_B, KeyCommand::SayBuoys)},
       QT_TRANSLATE_NOOP("GameKeys", "Have the screen reader say the buoys for sale")},
      {{command(Qt::Key_R, KeyCommand::SayRow), command(Qt::Key_C, KeyCommand::SayColumn)},
       QT_TRANSLATE_NOOP("GameKeys", "Have the screen reader say the cursor's row or column: the cells fired at, "
                                     "and how many are not")},
      {{{keys::kHowToPlay}}, HelpItem::HowToPlay},
      {{{keys::kBestScores}}, HelpItem::BestScores},
      {{{Qt::Key_Escape}}, QT_TRANSLATE_NOOP("GameKeys", "Close a dialog or a menu")},
  };
}

std::optional<KeyBinding> boundKey(QKeyCombination pressed) {
  // The keypad's keys are the keys they stand for: its Enter is Enter.
  const auto plain = [](QKeyCombination k) {
    return QKeyCombination(k.keyboardModifiers() & ~Qt::KeypadModifier, k.key());
  };
  for (const GameKey& key : gameKeys()) {
    for (const KeyBinding& binding : key.keys) {
      if (plain(binding.key) == plain(pressed)) return binding;
    }
  }
  return std::nullopt;
}

QString keyDoes(const GameKey& key) {
  return key.opens ? helpItemTitle(*key.opens) : QCoreApplication::translate("GameKeys", key.does);
}

QString keyNames(const GameKey& key) {
  QStringList names;
  for (const KeyBinding& binding : key.keys) {
    names << QKeySequence(binding.key).toString(QKeySequence::NativeText);
  }
  return names.join(QStringLiteral(", "));
}

}  // namespace kalvenor::ui
