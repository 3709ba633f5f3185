// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_factor.h"

#include <QByteArray>
#include <QtGlobal>

namespace kalvenor::ui {

void keepScaleFactorInRange() {
  constexpr char kVariable[] = "QT_SCALE_FACTOR";
  if (qEnvironmentVariableIsEmpty(kVariable)) return;
  const QByteArray asked = qgetenv(kVariable);
  bool isNumber = false;
  const double factor = asked.toDouble(&isNumber);
  if (isNumber && factor >= kSmallestScaleFactor && factor <= kLargestScaleFactor) return;
  const double nearest = isNumber && factor > kLargestScaleFactor ? kLargestScaleFactor : kSmallestScaleFactor;
  qInfo("Kalvenor: QT_SCALE_FACTOR=%s is outside the scales %g to %g the window supports; it uses %g.",
        asked.left(40).toPercentEncoding(" .,+-").constData(), kSmallestScaleFactor, kLargestScaleFactor, nearest);
  qputenv(kVariable, QByteArray::number(nearest));
}

}  // namespace kalvenor::ui
