// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's captions are UTF-8 string views; Qt wants QStrings.

#include <QString>

#include <string_view>

namespace kalvenor::ui {

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kalvenor::ui
