// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_factor.h"

#include <QByteArray>
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
  qInfo("Kalvenor: %s=%s is outside the scales %g to %g the window supports; it uses %s.", variable,
        asked.left(40).toPercentEncoding(" .,+-=;").constData(), kSmallestScaleFactor, kLargestScaleFactor,
        used.left(40).toPercentEncoding(" .,+-=;").constData());
  qputenv(variable, used);
}

}  // namespace

void keepScaleFactorInRange() {
  bringIn("QT_SCALE_FACTOR", false);
  bringIn("QT_SCREEN_SCALE_FACTORS", true);
}

}  // namespace kalvenor::ui
