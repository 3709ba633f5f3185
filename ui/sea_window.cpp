// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "kalvenor/fleet.h"
#include "pictures.h"
#include "picture_box.h"
#include "qt_text.h"
#include "screen_units.h"
#include "sea_form.h"
#include "sea_grid.h"

namespace kalvenor::ui {

SeaWindow::SeaWindow(QWidget* parent) : QMainWindow(parent), form_(new SeaForm(this)) {
  setWindowTitle(QStringLiteral("Kalvenor"));
  setCentralWidget(form_);
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
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  const std::array<std::pair<MenuItem, QString>, 4> items = {{
      {MenuItem::Mnustart, QStringLiteral("Start")},
      {MenuItem::Mnusound, QStringLiteral("Sound")},
      {MenuItem::Mnustop, QStringLiteral("Stop playing")},
      {MenuItem::Mnuexit, QStringLiteral("Exit")},
  }};
  for (const auto& [item, caption] : items) {
    QAction* action = file->addAction(caption);
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
  if (pictures_ && panel && image >= 0 && image < kShipImages) panel->setPicture(pictures_->ship(image));
}

void SeaWindow::setCaption(Control control, std::string_view caption) {
  if (QLabel* label = form_->captionLabel(control)) {
    label->setText(toQString(caption));
  }
}

void SeaWindow::moveControl(Control control, int index, TwipPoint position) {
  if (QWidget* element = form_->element(control, index)) element->move(toPixels(position));
}

void SeaWindow::placeTitle(TwipRect rect) { form_->title()->setGeometry(toPixels(rect)); }

void SeaWindow::setMenuEnabled(MenuItem item, bool enabled) { menuAction(item).setEnabled(enabled); }

void SeaWindow::setMenuChecked(MenuItem item, bool checked) {
  QAction& action = menuAction(item);
  QSignalBlocker quiet(action);
  action.setChecked(checked);
}

void SeaWindow::endProgram() { emit programEndRequested(); }

void SeaWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace kalvenor::ui
