// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_style.h"

namespace kalvenor::ui {

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) return {};
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace kalvenor::ui
