// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 402 x 22 bands above the sea grid and the fleet panel.

#include <QPainter>
#include <QSize>
#include <QtGlobal>
#include <string_view>

namespace kalvenor::lettering {

inline constexpr QSize kBannerSize{402, 22};

// The banners' words, marked for translation: in another language the window
// letters them itself.
//: The game's lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, "." and "-".
inline constexpr char kGridBannerWords[] = QT_TRANSLATE_NOOP("Banner", "SEA AREA");
//: The game's lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, "." and "-".
inline constexpr char kFleetBannerWords[] = QT_TRANSLATE_NOOP("Banner", "ENEMY FLEET");

void paintBanner(QPainter& painter, std::string_view text);

}  // namespace kalvenor::lettering
