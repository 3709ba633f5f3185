// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

#include "application.h"

#include <string>

namespace kalvenor::ui {

Translations::Translations(const QString& catalogueFolder, const QLocale& locale) {
  for (const QString& wanted : locale.uiLanguages()) {
    // "fi-FI" is looked for as kalvenor_fi_FI.qm, then kalvenor_fi.qm;
    // "pt-BR" as kalvenor_pt_BR.qm.
    const QLocale language(wanted);
    const QString name = language.name();
    if (name.section(u'_', 0, 0) == u"en" || name == u"C") {
      QLocale::setDefault(language);
      return;
    }
    if (game_.load(QStringLiteral("kalvenor_") + name, catalogueFolder)) {
      language_ = QFileInfo(game_.filePath()).completeBaseName().section(u'_', 1);
      QLocale::setDefault(language);
      break;
    }
  }
  if (language_.isEmpty()) {
    // None of the player's languages has a catalogue: the game speaks English.
    QLocale::setDefault(QLocale(QLocale::English));
    return;
  }
  QCoreApplication::installTranslator(&game_);
  // Where the distribution has no qtbase catalogue for the language (Swedish),
  // its older catalogue of all of Qt still names the keys.
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (qt_.load(QStringLiteral("qtbase_") + language_, qtFolder) || qt_.load(QStringLiteral("qt_") + language_, qtFolder)) {
    QCoreApplication::installTranslator(&qt_);
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&game_);
  QLocale::setDefault(before_);
}

QString installedCatalogueFolder() {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(kCatalogueFolder);
}

QString translatedCaption(std::string_view caption) {
  const std::string text(caption);
  return QCoreApplication::translate("Caption", text.c_str());
}

}  // namespace kalvenor::ui
