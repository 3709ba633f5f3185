// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in the player's language. Its texts are written in English in the
// code and go through Qt's translation; a catalogue per language
// (translations/kalvenor_<language>.ts, compiled at build time) gives the
// player's words for them.

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <string_view>

#include "language/counted_text.h"

namespace kalvenor::ui {

// Installs on the application the game's catalogue for the first of the
// player's UI languages that has one, and the distribution's translation of
// Qt's own texts (standard buttons) in that language where it is installed.
// English needs no catalogue: a list that names English before any language
// the game speaks keeps the game in English. While it lives, the application's
// default QLocale is the one of the language chosen, so that dates and
// numbers follow the game's language rather than the system's.
class Translations final {
 public:
  Translations(const QString& catalogueFolder, const QLocale& locale);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The language of the catalogue loaded, as its file names it: "fi" for
  // kalvenor_fi.qm. Empty for English.
  QString language() const { return language_; }

 private:
  QTranslator game_;
  QTranslator qt_;
  QString language_;
  QLocale before_;
};

// Where the program finds its catalogues, relative to its own folder as the
// install lays them out. Needs the application object.
QString installedCatalogueFolder();

// A caption the game gives in English, in the player's language: the game's
// captions are marked for translation where the window's design lists them.
QString translatedCaption(std::string_view caption);

}  // namespace kalvenor::ui
