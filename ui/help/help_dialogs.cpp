// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "scores/best_scores.h"
#include "sea/cell_symbols.h"
#include "sea/design_layout.h"
#include "help/game_keys.h"
#include "language/qt_text.h"
#include "sea/screen_units.h"
#include "language/translations.h"

namespace kalvenor::ui {

namespace {

// The colour's name, for the player who does not see the swatch beside it.
QString colourName(CellColour colour) {
  switch (colour) {
    case CellColour::Grey: return HelpDialog::tr("grey");
    case CellColour::Cyan: return HelpDialog::tr("cyan");
    case CellColour::Red: return HelpDialog::tr("red");
    case CellColour::Black: return HelpDialog::tr("black");
    case CellColour::DarkYellow: return HelpDialog::tr("dark yellow");
    case CellColour::Yellow: return HelpDialog::tr("yellow");
  }
  return {};
}

// A legend swatch as the grid draws a cell of its colour, symbol and all, in
// the screen's pixels.
QImage symbolSwatch(CellColour colour, qreal scale) {
  const int size = pixels(design::kSwatchSize);
  QImage image(QSize(size, size) * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  paintCell(painter, QRect(0, 0, size, size), toQColor(colour), true);
  return image;
}

// The legend's rows; with symbols, their swatches are pictures kept in the
// browser's document.
QString legendRows(QTextBrowser* withSymbols) {
  QString rows;
  for (const design::LegendEntry& entry : design::kLegend) {
    QString swatch = QStringLiteral("<td bgcolor=\"%1\">&nbsp;&nbsp;&nbsp;&nbsp;</td>").arg(toQColor(entry.colour).name());
    if (withSymbols) {
      const QString name = QStringLiteral("cell-%1").arg(QLatin1Char(colourLetter(entry.colour)));
      withSymbols->document()->addResource(QTextDocument::ImageResource, QUrl(name),
                                           symbolSwatch(entry.colour, withSymbols->devicePixelRatioF()));
      swatch = QStringLiteral("<td><img src=\"%1\" width=\"%2\" height=\"%2\"></td>")
                   .arg(name)
                   .arg(pixels(design::kSwatchSize));
    }
    rows += QStringLiteral("<tr>%1<td>%2</td><td>%3</td></tr>")
                .arg(swatch, colourName(entry.colour).toHtmlEscaped(), translatedCaption(entry.caption).toHtmlEscaped());
  }
  return rows;
}

QString keyRow(const QString& names, const QString& does) {
  return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(names.toHtmlEscaped(), does.toHtmlEscaped());
}

// Each menu's key is the letter its title underlines, which each language
// chooses; so the rows come from the titles the menu bar shows.
QString keyRows(const QMenuBar& menus) {
  QString rows;
  for (const QAction* action : menus.actions()) {
    const QMenu* menu = action->menu();
    if (!menu || !action->isVisible()) continue;
    const QKeySequence key = QKeySequence::mnemonic(menu->title());
    //: A row of the keys table: "Open the File menu".
    rows += keyRow(key.toString(QKeySequence::NativeText),
                   HelpDialog::tr("Open the %1 menu").arg(QString(menu->title()).remove(QLatin1Char('&'))));
  }
  for (const GameKey& key : gameKeys()) rows += keyRow(keyNames(key), keyDoes(key));
  return rows;
}

}  // namespace

QString helpItemTitle(HelpItem item) {
  switch (item) {
    case HelpItem::HowToPlay: return HelpDialog::tr("How to play");
    case HelpItem::BestScores: return HelpDialog::tr("Best scores");
    case HelpItem::About: return HelpDialog::tr("About Kalvenor");
  }
  return {};
}

QString tagline() { return HelpDialog::tr("A naval search game: find and sink a hidden fleet of ten ships."); }

HelpDialog::HelpDialog(HelpItem item, const BestScores& scores, const QMenuBar& menus, bool cellSymbols,
                       QWidget* parent)
    : QDialog(parent) {
  auto* layout = new QVBoxLayout(this);
  setWindowTitle(helpItemTitle(item));
  switch (item) {
    case HelpItem::HowToPlay:
      buildHowToPlay(menus, cellSymbols);
      break;
    case HelpItem::BestScores:
      buildBestScores(scores);
      break;
    case HelpItem::About:
      buildAbout();
      break;
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  // Qt's catalogue names the button; where the distribution has none for the
  // game's language (Swedish), the game's catalogue does.
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  if (close->text() == QLatin1String("Close")) close->setText(tr("Close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void HelpDialog::buildHowToPlay(const QMenuBar& menus, bool cellSymbols) {
  auto* text = new QTextBrowser(this);
  const QString html =
      QStringLiteral(
          "<p>%1</p><p>%2</p><p>%3</p><p>%4</p><p>%5</p><h3>%6</h3><table cellpadding=\"3\">%7</table>"
          "<h3>%8</h3><table cellpadding=\"3\">%9</table>")
          .arg(tr("Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, "
                  "three of three and four of two. No two ships touch, not even at a corner. Choose Start in the "
                  "File menu; the grid appears once the fleet is placed."),
               tr("Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing "
                  "Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks "
                  "and its cells turn black."),
               tr("The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game "
                  "ends when every ship is sunk; its score goes into Best scores in the Help menu."),
               tr("The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the "
                  "water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring."),
               tr("Listening buoys: the buttons \"-10\" to \"-50\" each sell one buoy for that many points. Drop "
                  "it on a cell: it counts the cells of ships still afloat within three cells of it and flashes "
                  "that number in yellow, three times over."),
               tr("The colours of the grid"), legendRows(cellSymbols ? text : nullptr), tr("Keys"),
               keyRows(menus));
  text->setHtml(html);
  // A caret lets the keys, and a screen reader with them, go through the text
  // line by line; the page keys scroll it.
  text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  text->setMinimumSize(560, 420);
  layout()->addWidget(text);
  text->setFocus();
}

void HelpDialog::buildBestScores(const BestScores& scores) {
  const QList<BestScore>& rows = scores.table().rows();
  if (!scores.notice().isEmpty()) {
    auto* notice = new QLabel(scores.notice(), this);
    notice->setWordWrap(true);
    layout()->addWidget(notice);
  }
  if (rows.isEmpty()) {
    layout()->addWidget(new QLabel(tr("No games finished yet."), this));
    return;
  }
  if (scores.latest() && scores.latestRow() < 0) {
    layout()->addWidget(new QLabel(tr("Your latest game, %1, is not among the ten best.").arg(scores.latest()->score), this));
  }
  auto* table = new QTableWidget(static_cast<int>(rows.size()), 4, this);
  table->setHorizontalHeaderLabels({tr("Rank"), tr("Score"), tr("Date"), QString()});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->hide();
  table->setAccessibleName(windowTitle());
  const int latest = scores.latestRow();
  // A screen reader says the whole table as the dialog opens: its focus
  // alone would name the table and not one score.
  QStringList spoken;
  for (int row = 0; row < rows.size(); ++row) {
    const BestScore& entry = rows[row];
    const QStringList cells = {QString::number(row + 1), QString::number(entry.score),
                               QLocale().toString(entry.finished.toLocalTime().date(), QLocale::ShortFormat),
                               row == latest ? tr("latest game") : QString()};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (row == latest) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      table->setItem(row, column, item);
    }
    spoken << (row == latest ? tr("%1: %2, %3, latest game.") : tr("%1: %2, %3.")).arg(cells[0], cells[1], cells[2]);
  }
  table->resizeColumnsToContents();
  table->setMinimumWidth(table->horizontalHeader()->length() + 2 * table->frameWidth() + 24);
  table->setCurrentCell(latest >= 0 ? latest : 0, 0);
  layout()->addWidget(table);
  table->setFocus();
  setAccessibleDescription(spoken.join(QLatin1Char(' ')));
}

void HelpDialog::buildAbout() {
  const QString name = tr("Kalvenor %1").arg(QCoreApplication::applicationVersion());
  const QString line = tagline();
  const QString licence = tr("Licence: GPL-3.0-or-later");
  auto* text = new QLabel(QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                              .arg(name.toHtmlEscaped(), line.toHtmlEscaped(), licence.toHtmlEscaped()),
                          this);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  layout()->addWidget(text);
}

}  // namespace kalvenor::ui

#include "moc_help_dialogs.cpp"
