// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game window Frmsea as the player sees it: the "File" menu over the sea
// form. It shows what the game logic tells it through View and reports the
// player's commands and clicks as signals; it keeps no game state of its own.
// Keys take the same roads as clicks, from the one list of keys
// (game_keys.h): Alt+F opens the menu, the grid has its cursor (sea_grid.h),
// 1 to 5 press the buoy buttons "-10" to "-50", Ctrl+N and Ctrl+Q are Start's
// and Exit's shortcuts; the keys that ask about the board are passed on to
// whoever speaks for a screen reader.

#include <QMainWindow>

#include <array>

#include "help/game_keys.h"
#include "kalvenor/view.h"

class QAction;
class QMenu;

namespace kalvenor::ui {

class Pictures;
class SeaForm;

class SeaWindow final : public QMainWindow, public View {
  Q_OBJECT

 public:
  explicit SeaWindow(QWidget* parent = nullptr);
  // The window opens before its pictures are loaded; until they are given
  // here, the picture boxes show their background colour alone.
  void setPictures(const Pictures& pictures);

  void setShown(Control control, int index, bool shown) override;
  void setCellColour(int cell, CellColour colour) override;
  void setCellEnabled(int cell, bool enabled) override;
  void setPanelImage(int slot, int image) override;
  void setCaption(Control control, std::string_view caption) override;
  void moveControl(Control control, int index, TwipPoint position) override;
  void placeTitle(TwipRect rect) override;
  void setMenuEnabled(MenuItem item, bool enabled) override;
  void setMenuChecked(MenuItem item, bool checked) override;
  void endProgram() override;

  SeaForm& form() { return *form_; }
  QMenu& fileMenu() { return *fileMenu_; }
  QAction& menuAction(MenuItem item) { return *menu_[static_cast<int>(item)]; }

 signals:
  void menuChosen(kalvenor::MenuItem item);
  void cellClicked(int cell);
  void buoyClicked(int index);
  // The player closes the window; Exit does not raise this.
  void closing();
  void programEndRequested();
  // A key asks about the board: the score, the fleet, the buoys, a line.
  void boardAsked(kalvenor::ui::KeyCommand asked);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildMenu();

  const Pictures* pictures_ = nullptr;
  SeaForm* form_;
  QMenu* fileMenu_ = nullptr;  // owned by the menu bar
  std::array<QAction*, 4> menu_{};
};

}  // namespace kalvenor::ui
