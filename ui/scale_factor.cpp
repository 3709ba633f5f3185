// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_factor.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QtGlobal>

namespace kalvenor::ui {

namespace {

// One scale as the variables write it, brought in: not a number means the
// smallest.
QByteArray broughtIn(const QByteArray& factor) {
  bool isNumber = false;
  const double asked = factor.toDouble(&isNumber);
  if (isNumber && asked >= kSmallestScaleFactor && asked <= kLargestScaleFactor) return factor;
  return QByteArray::number(isNumber && asked > kLargestScaleFactor ? kLargestScaleFactor : kSmallestScaleFactor);
}

// A variable's scales, each brought in. QT_SCREEN_SCALE_FACTORS lists one a
// screen, "1.5;2" or "HDMI-1=1.5;DP-2=2".
void bringIn(const char* variable, bool aList) {
  if (qEnvironmentVariableIsEmpty(variable)) return;
  const QByteArray asked = qgetenv(variable);
  QList<QByteArray> entries = aList ? asked.split(';') : QList<QByteArray>{asked};
  for (QByteArray& entry : entries) {
    const qsizetype named = aList ? entry.lastIndexOf('=') + 1 : 0;
    if (!aList || !entry.isEmpty()) entry = entry.left(named) + broughtIn(entry.mid(named));
  }
  const QByteArray used = entries.join(';');
  if (used == asked) return;
  qInfo("%s", qUtf8Printable(QCoreApplication::translate(
                                 "ScaleFactor",
                                 "kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.")
                                 .arg(QString::fromLatin1(variable),
                                      QString::fromLatin1(asked.left(40).toPercentEncoding(" .,+-=;")),
                                      QString::number(kSmallestScaleFactor), QString::number(kLargestScaleFactor),
                                      QString::fromLatin1(used.left(40).toPercentEncoding(" .,+-=;")))));
  qputenv(variable, used);
}

}  // namespace

void keepScaleFactorInRange() {
  bringIn("QT_SCALE_FACTOR", false);
  bringIn("QT_SCREEN_SCALE_FACTORS", true);
}

}  // namespace kalvenor::ui
