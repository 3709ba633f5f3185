// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style of the game's window: the platform's own, but for the icon of
// the menu bar's overflow button. The one "File" menu never overflows, and
// that icon alone would load every image format plugin before the window can
// open.

#include <QProxyStyle>

namespace kalvenor::ui {

class WindowStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace kalvenor::ui
