// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"

#include <QCoreApplication>

#include <algorithm>

#include "design_layout.h"
#include "kalvenor/fleet.h"
#include "qt_text.h"
#include "screen_units.h"

namespace kalvenor::ui {

QString cellName(int cell) {
  return QStringLiteral("Row %1, column %2").arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
}

QString legendCaption(QColor colour) {
  const auto entry = std::find_if(design::kLegend.begin(), design::kLegend.end(),
                                  [colour](const design::LegendEntry& e) { return toQColor(e.colour) == colour; });
  return entry == design::kLegend.end() ? QString() : toQString(entry->caption);
}

QString panelSlotName(int slot, int image) {
  const ShipClassInfo& shipClass = classOf(slot);
  const QString name =
      QStringLiteral("Class %1 ship, ").arg(QChar(u'A' + static_cast<int>(kFleet[slot].shipClass)));
  const int step = image - shipClass.intactImage;
  if (image == kLifeRingImage) return name + QStringLiteral("sunk");
  if (step <= 0) return name + QStringLiteral("intact");
  if (step == 1) return name + QStringLiteral("hit once");
  if (step < shipClass.cells) return name + QStringLiteral("hit %1 times").arg(step);
  return name + QStringLiteral("sinking");
}

QString buoyReport(int flashes) {
  // Spoken as a message too: translatable, and correct English without a catalogue.
  if (flashes == 0) return QCoreApplication::translate("SpokenMessages", "no flash");
  if (flashes == 1) return QCoreApplication::translate("SpokenMessages", "1 flash");
  return QCoreApplication::translate("SpokenMessages", "%1 flashes").arg(flashes);
}

QString shotReport(QColor result, int sunkCells, const QString& score) {
  QString what = legendCaption(result);
  const auto shipClass = std::find_if(kClasses.begin(), kClasses.end(),
                                      [sunkCells](const ShipClassInfo& c) { return c.cells == sunkCells; });
  if (shipClass != kClasses.end()) {
    what = QCoreApplication::translate("SpokenMessages", "%1, Class %2 ship")
               .arg(what, QChar(u'A' + static_cast<int>(shipClass - kClasses.begin())));
  }
  return QCoreApplication::translate("SpokenMessages", "%1. Score %2").arg(what, score);
}

QString scoreReport(const QString& score) {
  return QCoreApplication::translate("SpokenMessages", "Score %1").arg(score);
}

QString gameOverReport(const QString& score) {
  return QCoreApplication::translate("SpokenMessages", "Every ship is sunk. Final score %1").arg(score);
}

}  // namespace kalvenor::ui
