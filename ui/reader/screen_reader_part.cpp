// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/screen_reader_part.h"

#include <QAccessible>
#include <QMenu>

#include <algorithm>

#include "kalvenor/frmsea.h"
#include "language/qt_text.h"
#include "reader/accessible_names.h"
#include "reader/spoken_messages.h"
#include "sea/design_layout.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"

namespace kalvenor::ui {

ScreenReaderPart::ScreenReaderPart(SeaForm& form, const Frmsea& game)
    : form_(form),
      game_(game),
      messages_(new SpokenMessages(&form)),
      narrator_(*messages_),
      buoyReporter_(form.grid(), *messages_) {
  // Qt keeps one copy of each factory however often it is installed.
  QAccessible::installFactory(&SpokenMessagesAccessible::factory);
}

void ScreenReaderPart::nameForScreenReader(QMenu& menu) {
  // A screen reader names the open menu by its title. Orca speaks a title
  // only for the role "menu", which Qt gives no object, so the menu also says
  // it as it opens, before the reader speaks the first item.
  menu.setAccessibleName(QString(menu.title()).remove(QLatin1Char('&')));
  QObject::connect(&menu, &QMenu::aboutToShow, messages_, [this, &menu] {
    //: Said as the menu opens: "File menu".
    messages_->say(QCoreApplication::translate("SpokenMessages", "%1 menu").arg(menu.accessibleName()));
  });
}

void ScreenReaderPart::answer(KeyCommand asked) {
  if (game_.screen().shown(Control::Lblscore2)) messages_->say(board(asked));
}

QString ScreenReaderPart::board(KeyCommand asked) const {
  const Screen& screen = game_.screen();
  const int cursor = form_.grid().cursorCell();
  switch (asked) {
    case KeyCommand::SayScore: return scoreReport(QString::number(game_.score));
    case KeyCommand::SayFleet: {
      QList<QString> names;
      for (int slot = 0; slot < kShips; ++slot) names << panelSlotName(slot, screen.panelImage[slot]);
      return fleetReport(names);
    }
    case KeyCommand::SayBuoys: {
      // A finished game sells none; a bought buoy's button stays away.
      const bool over = std::ranges::all_of(game_.cellhit, [](std::int16_t hit) { return hit == 1; });
      QList<QString> captions;
      for (int k = 0; k < controlCount(Control::Cmdbuoy) && !over; ++k) {
        if (game_.buoyused[k] == 0) captions << toQString(design::kBuoyButtonCaptions[k]);
      }
      return buoysReport(captions);
    }
    case KeyCommand::SayRow: {
      QList<CellColour> cells;
      for (int column = 0; column < kColumns; ++column) cells << screen.cellColour[rowOf(cursor) * kColumns + column];
      return rowReport(rowOf(cursor), cells);
    }
    case KeyCommand::SayColumn: {
      QList<CellColour> cells;
      for (int row = 0; row < kRows; ++row) cells << screen.cellColour[row * kColumns + columnOf(cursor)];
      return columnReport(columnOf(cursor), cells);
    }
    default: return {};
  }
}

void ScreenReaderPart::gameStarted() { buoyReporter_.forget(); }

void ScreenReaderPart::shipHit(int ship, int cellsHit) { narrator_.shipHit(ship, cellsHit); }

void ScreenReaderPart::shipSunk(int) { narrator_.shipSunk(); }

void ScreenReaderPart::shotFired(int cell, ShotResult result) {
  buoyReporter_.cellFired(cell);
  narrator_.shotFired(result);
}

void ScreenReaderPart::shotRefused(int) { narrator_.shotRefused(); }

void ScreenReaderPart::scoreChanged(std::int16_t score) { narrator_.scoreChanged(score); }

void ScreenReaderPart::buoyDropped(int cell) {
  buoyReporter_.dropped(cell);
  narrator_.buoyDropped();
}

void ScreenReaderPart::buoyHeard(int cell, int shipCells) { buoyReporter_.heard(cell, shipCells); }

void ScreenReaderPart::gameFinished(std::int16_t score) { narrator_.gameFinished(score); }

}  // namespace kalvenor::ui
