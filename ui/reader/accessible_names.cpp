// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/accessible_names.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

#include "kalvenor/fleet.h"
#include "language/qt_text.h"
#include "language/translations.h"
#include "sea/design_layout.h"
#include "sea/screen_units.h"

namespace kalvenor::ui {

namespace {

QString said(const char* text) { return QCoreApplication::translate("ScreenReader", text); }
QString message(const char* text) { return QCoreApplication::translate("SpokenMessages", text); }

QString caption(CellColour colour) { return legendCaption(toQColor(colour)); }

// A line's fired cells, each by its place along the line ("column %1 %2"),
// then the count of cells not fired.
QString lineReport(const QString& line, const char* firedCell, const QList<CellColour>& cells) {
  QStringList parts;
  int notFired = 0;
  for (int k = 0; k < cells.size(); ++k) {
    if (cells[k] == CellColour::Grey) {
      ++notFired;
      continue;
    }
    QString what = caption(cells[k]);
    if (!what.isEmpty()) what[0] = what[0].toLower();  // inside the sentence
    parts << message(firedCell).arg(k + 1).arg(what);
  }
  parts << countedText("SpokenMessages", QT_TRANSLATE_N_NOOP("SpokenMessages", "%n not fired"), notFired);
  //: A row's or column's report: "Row 4" and its cells joined by semicolons.
  return message(QT_TRANSLATE_NOOP("SpokenMessages", "%1: %2")).arg(line, parts.join(QStringLiteral("; ")));
}

}  // namespace

QString cellName(int cell) {
  return said(QT_TRANSLATE_NOOP("ScreenReader", "Row %1, column %2")).arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
}

QString legendCaption(QColor colour) {
  const auto entry = std::find_if(design::kLegend.begin(), design::kLegend.end(),
                                  [colour](const design::LegendEntry& e) { return toQColor(e.colour) == colour; });
  return entry == design::kLegend.end() ? QString() : translatedCaption(entry->caption);
}

QString shipName(int ship) {
  const QChar letter(u'A' + static_cast<int>(kFleet[ship].shipClass));
  return said(QT_TRANSLATE_NOOP("ScreenReader", "Class %1 ship")).arg(letter);
}

QString panelSlotName(int slot, int image) {
  const ShipClassInfo& shipClass = classOf(slot);
  const QString name = shipName(slot) + QStringLiteral(", ");
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

QString shotReport(ShotResult result, int ship, int cellsHit, const QString& score) {
  QString what;
  switch (result) {
    case ShotResult::Miss: what = caption(CellColour::Cyan); break;
    case ShotResult::Hit:
      what = caption(CellColour::Red) + QStringLiteral(", ") + shipName(ship) + QStringLiteral(", ") +
             countedText("SpokenMessages", QT_TRANSLATE_N_NOOP("SpokenMessages", "%1 of %n cells hit"),
                         classOf(ship).cells)
                 .arg(cellsHit);
      break;
    case ShotResult::Sunk: what = caption(CellColour::Black) + QStringLiteral(", ") + shipName(ship); break;
  }
  return message(QT_TRANSLATE_NOOP("SpokenMessages", "%1. Score %2")).arg(what, score);
}

QString scoreReport(const QString& score) {
  return message(QT_TRANSLATE_NOOP("SpokenMessages", "Score %1")).arg(score);
}

QString gameOverReport(const QString& score) {
  return message(QT_TRANSLATE_NOOP("SpokenMessages", "Every ship is sunk. Final score %1")).arg(score);
}

QString waitReport() { return message(QT_TRANSLATE_NOOP("SpokenMessages", "Wait, the ship is sinking")); }

QString fleetReport(const QList<QString>& slotNames) { return slotNames.join(QStringLiteral(". ")); }

QString buoysReport(const QList<QString>& captions) {
  if (captions.isEmpty()) return message(QT_TRANSLATE_NOOP("SpokenMessages", "No buoys left"));
  return message(QT_TRANSLATE_NOOP("SpokenMessages", "Buoys for sale: %1")).arg(captions.join(QStringLiteral(", ")));
}

QString rowReport(int row, const QList<CellColour>& cells) {
  return lineReport(said(QT_TRANSLATE_NOOP("ScreenReader", "Row %1")).arg(row + 1),
                    QT_TRANSLATE_NOOP("SpokenMessages", "column %1 %2"), cells);
}

QString columnReport(int column, const QList<CellColour>& cells) {
  return lineReport(said(QT_TRANSLATE_NOOP("ScreenReader", "Column %1")).arg(column + 1),
                    QT_TRANSLATE_NOOP("SpokenMessages", "row %1 %2"), cells);
}

}  // namespace kalvenor::ui
