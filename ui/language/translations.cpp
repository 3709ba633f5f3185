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
    // "fi-FI" is looked for as kalvenor_fi_FI.qm, then kalvenor_fi.qm.
    const QString name = QLocale(wanted).name();
    if (name.section(u'_', 0, 0) == u"en" || name == u"C") return;
    if (game_.load(QStringLiteral("kalvenor_") + name, catalogueFolder)) {
      language_ = QFileInfo(game_.filePath()).completeBaseName().section(u'_', 1);
      break;
    }
  }
  if (language_.isEmpty()) return;
  QCoreApplication::installTranslator(&game_);
  if (qt_.load(QStringLiteral("qtbase_") + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&game_);
}

QString installedCatalogueFolder() {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(kCatalogueFolder);
}

QString translatedCaption(std::string_view caption) {
  const std::string text(caption);
  return QCoreApplication::translate("Caption", text.c_str());
}

}  // namespace kalvenor::ui
