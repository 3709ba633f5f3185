// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea_window.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "kalvenor/fleet.h"
#include "language/qt_text.h"
#include "language/translations.h"
#include "reader/accessible_names.h"
#include "reader/sea_grid_accessible.h"
#include "sea/picture_box.h"
#include "sea/pictures.h"
#include "sea/screen_units.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"

namespace kalvenor::ui {

SeaWindow::SeaWindow(QWidget* parent)
    : QMainWindow(parent), form_(new SeaForm(this)) {
  // Qt keeps one copy of each factory however often it is installed.
  QAccessible::installFactory(&SeaGridAccessible::factory);
  setWindowTitle(QStringLiteral("Kalvenor"));
  setCentralWidget(form_);
  // The buoy buttons show only their price; the screen reader says what they do.
  for (int k = 0; k < controlCount(Control::Cmdbuoy); ++k) {
    form_->element(Control::Cmdbuoy, k)->setAccessibleName(buoyButtonName(k));
  }
  buildMenu();
  // The window keeps the size of its client area and menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  connect(&form_->grid(), &SeaGrid::cellClicked, this, &SeaWindow::cellClicked);
  connect(form_, &SeaForm::buoyClicked, this, &SeaWindow::buoyClicked);
}

void SeaWindow::setPictures(const Pictures& pictures) {
  pictures_ = &pictures;
  setWindowIcon(pictures.icon());
  form_->setPictures(pictures);
}

void SeaWindow::buildMenu() {
  // Alt+F opens it; the underline under the F shows while Alt is held.
  fileMenu_ = menuBar()->addMenu(tr("&File"));
  const std::array<std::pair<MenuItem, QString>, 4> items = {{
      {MenuItem::Mnustart, tr("Start")},
      {MenuItem::Mnusound, tr("Sound")},
      {MenuItem::Mnustop, tr("Stop playing")},
      {MenuItem::Mnuexit, tr("Exit")},
  }};
  for (const auto& [item, caption] : items) {
    QAction* action = fileMenu_->addAction(caption);
    connect(action, &QAction::triggered, this, [this, item] { emit menuChosen(item); });
    menu_[static_cast<int>(item)] = action;
  }
  // The check mark is the game's to set: a click only reports the command.
  QAction& sound = menuAction(MenuItem::Mnusound);
  sound.setCheckable(true);
  sound.setChecked(true);
  connect(&sound, &QAction::toggled, this, [&sound](bool checked) {
    QSignalBlocker quiet(sound);
    sound.setChecked(!checked);
  });
  menuAction(MenuItem::Mnustop).setEnabled(false);
  // A disabled item's shortcut does nothing, as a click on it would.
  menuAction(MenuItem::Mnustart).setShortcut(keys::kStart);
  menuAction(MenuItem::Mnuexit).setShortcut(keys::kExit);
}

void SeaWindow::setShown(Control control, int index, bool shown) {
  if (control == Control::Picarea) {
    form_->grid().setCellShown(index, shown);
  } else if (QWidget* element = form_->element(control, index)) {
    element->setVisible(shown);
  }
}

void SeaWindow::setCellColour(int cell, CellColour colour) { form_->grid().setCellColour(cell, toQColor(colour)); }

void SeaWindow::setCellEnabled(int cell, bool enabled) { form_->grid().setCellEnabled(cell, enabled); }

void SeaWindow::setPanelImage(int slot, int image) {
  PictureBox* panel = form_->panelSlot(slot);
  if (!panel || image < 0 || image >= kShipImages) return;
  if (pictures_) panel->setPicture(pictures_->ship(image));
  panel->setAccessibleName(panelSlotName(slot, image));
}

void SeaWindow::setCaption(Control control, std::string_view caption) {
  QLabel* label = form_->captionLabel(control);
  if (!label) return;
  //: The score as the game writes it: " 1000", "-20".
  label->setText(control == Control::Lblscore2 ? tr("%1").arg(toQString(caption)) : translatedCaption(caption));
}

void SeaWindow::moveControl(Control control, int index, TwipPoint position) {
  if (QWidget* element = form_->element(control, index)) element->move(toPixels(position));
}

void SeaWindow::placeTitle(TwipRect rect) { form_->title()->setGeometry(toPixels(rect)); }

void SeaWindow::setMenuEnabled(MenuItem item, bool enabled) {
  menuAction(item).setEnabled(enabled);
}

void SeaWindow::setMenuChecked(MenuItem item, bool checked) {
  QAction& action = menuAction(item);
  QSignalBlocker quiet(action);
  action.setChecked(checked);
}

void SeaWindow::endProgram() { emit programEndRequested(); }

void SeaWindow::keyPressEvent(QKeyEvent* event) {
  const std::optional<KeyBinding> bound = boundKey(event->keyCombination());
  SeaGrid& grid = form_->grid();
  // The grid's keys reach it from the grid, as a click would; a key the
  // list holds for something else is left to Qt.
  switch (bound ? bound->command : KeyCommand::Elsewhere) {
    case KeyCommand::MoveCursor:
      if (!grid.hasFocus()) break;
      grid.moveCursor(bound->move);
      return;
    case KeyCommand::Fire:
      if (!grid.hasFocus()) break;
      grid.fireAtCursor(event->isAutoRepeat());
      return;
    case KeyCommand::BuyBuoy:
      if (!event->isAutoRepeat()) form_->pressBuoyButton(bound->button);
      return;
    case KeyCommand::SayScore:
    case KeyCommand::SayFleet:
    case KeyCommand::SayBuoys:
    case KeyCommand::SayRow:
    case KeyCommand::SayColumn:
      emit boardAsked(bound->command);
      return;
    case KeyCommand::Elsewhere: break;
  }
  QMainWindow::keyPressEvent(event);
}

void SeaWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace kalvenor::ui

#include "moc_sea_window.cpp"
