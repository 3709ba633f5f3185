// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts in words, for the window and for the sound module, which both speak
// the player's language.

#include <QString>

namespace kalvenor::ui {

// A count in words from an English text in Qt's plural idiom, "%n flash(es)":
// a catalogue gives each language's plural forms; without one the English
// reads "1 flash", "3 flashes". Mark the text with QT_TRANSLATE_N_NOOP.
QString countedText(const char* context, const char* text, int n);

}  // namespace kalvenor::ui
