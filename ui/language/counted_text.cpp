// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/counted_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kalvenor::ui {

QString countedText(const char* context, const char* text, int n) {
  const QString translated = QCoreApplication::translate(context, text, nullptr, n);
  QString untranslated = QString::fromUtf8(text);
  untranslated.replace(QStringLiteral("%n"), QString::number(n));
  if (translated != untranslated) return translated;
  // English without a catalogue: "flash(es)" is "flash" for one, else "flashes".
  static const QRegularExpression choice(QStringLiteral("\\((\\w+)\\)"));
  return untranslated.replace(choice, n == 1 ? QString() : QStringLiteral("\\1"));
}

}  // namespace kalvenor::ui
