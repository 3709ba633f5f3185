// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/accessible_names.h"

#include <QCoreApplication>

#include <algorithm>

#include "sea/design_layout.h"
#include "kalvenor/fleet.h"
#include "language/qt_text.h"
#include "sea/screen_units.h"
#include "language/translations.h"

namespace kalvenor::ui {

namespace {

QString said(const char* text) { return QCoreApplication::translate("ScreenReader", text); }

}  // namespace

QString cellName(int cell) {
  return said(QT_TRANSLATE_NOOP("ScreenReader", "Row %1, column %2")).arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
}

QString legendCaption(QColor colour) {
  const auto entry = std::find_if(design::kLegend.begin(), design::kLegend.end(),
                                  [colour](const design::LegendEntry& e) { return toQColor(e.colour) == colour; });
  return entry == design::kLegend.end() ? QString() : translatedCaption(entry->caption);
}

QString panelSlotName(int slot, int image) {
  const ShipClassInfo& shipClass = classOf(slot);
  const QString name = said(QT_TRANSLATE_NOOP("ScreenReader", "Class %1 ship"))
                           .arg(QChar(u'A' + static_cast<int>(kFleet[slot].shipClass))) +
                       QStringLiteral(", ");
  const int step = image - shipClass.intactImage;
  if (image == kLifeRingImage) return name + said(QT_TRANSLATE_NOOP("ScreenReader", "sunk"));
  if (step <= 0) return name + said(QT_TRANSLATE_NOOP("ScreenReader", "intact"));
  if (step == 1) return name + said(QT_TRANSLATE_NOOP("ScreenReader", "hit once"));
  if (step < shipClass.cells) {
    return name + countedText("ScreenReader", QT_TRANSLATE_N_NOOP("ScreenReader", "hit %n time(s)"), step);
  }
  return name + said(QT_TRANSLATE_NOOP("ScreenReader", "sinking"));
}

QString buoyReport(int flashes) {
  if (flashes == 0) return said(QT_TRANSLATE_NOOP("ScreenReader", "no flash"));
  return countedText("ScreenReader", QT_TRANSLATE_N_NOOP("ScreenReader", "%n flash(es)"), flashes);
}

QString buoyButtonName(int button) {
  const int price = -toQString(design::kBuoyButtonCaptions[button]).toInt();
  return said(QT_TRANSLATE_NOOP("ScreenReader", "Buy a buoy for %1 points")).arg(price);
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
