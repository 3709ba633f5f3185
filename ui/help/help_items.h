// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's items. Each title is written once, in the dialogs' own
// translation context: the menu's caption, its dialog's title and its row in
// the keys table all read it from here.

#include <QString>

namespace kalvenor::ui {

enum class HelpItem { HowToPlay, BestScores, About };

QString helpItemTitle(HelpItem item);

// What the game is, in one line: the About dialog and `kalvenor --help`.
QString tagline();

}  // namespace kalvenor::ui
