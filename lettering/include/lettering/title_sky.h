// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title picture's night sky and the subtitle lettered on it, apart from
// the rest of the title: the window letters the subtitle anew in the
// player's language.

#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QtGlobal>
#include <string_view>

namespace kalvenor::lettering {

// The 492 x 458 title picture shown while no game runs.
inline constexpr QSize kTitleSize{492, 458};
inline constexpr double kTitleHorizon = 318;
inline constexpr QPointF kTitleMoon{392, 206};

//: The game's lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, "." and "-".
inline constexpr char kTitleSubtitleWords[] = QT_TRANSLATE_NOOP("Banner", "NAVAL SEARCH");

void paintSky(QPainter& painter);
// The subtitle under the game's name, between two gold rules.
void paintSubtitle(QPainter& painter, std::string_view words);
// Over a drawn title picture: the sky behind the subtitle, and these words.
// Throws std::invalid_argument for a character the lettering lacks.
void letterSubtitleAnew(QPainter& painter, std::string_view words);

}  // namespace kalvenor::lettering
