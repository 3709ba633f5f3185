// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game window Frmsea as the player sees it: the "File" menu over the sea
// form. It shows what the game logic tells it through View and reports the
// player's commands and clicks as signals; it keeps no game state of its own.
// Keys take the same roads as clicks: Alt+F opens the menu, the grid has its
// cursor (sea_grid.h), and 1 to 5 press the buoy buttons "-10" to "-50".
// Ctrl+N and Ctrl+Q are Start's and Exit's shortcuts (game_keys.h). A screen
// reader hears what changes (narrator.h); S asks it for the score.

#include <QMainWindow>

#include <array>

#include "reader/buoy_reporter.h"
#include "reader/narrator.h"
#include "kalvenor/view.h"

class QAction;
class QMenu;

namespace kalvenor::ui {

class Pictures;
class SeaForm;
class SpokenMessages;

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
  void gameFinished(std::int16_t score) override;

  // A menu of the window's menu bar, named for a screen reader and saying
  // its title as it opens.
  void nameForScreenReader(QMenu& menu);

  SeaForm& form() { return *form_; }
  QAction& menuAction(MenuItem item) { return *menu_[static_cast<int>(item)]; }

 signals:
  void menuChosen(kalvenor::MenuItem item);
  void cellClicked(int cell);
  void buoyClicked(int index);
  // The player closes the window; Exit does not raise this.
  void closing();
  void programEndRequested();
  // A game finished with this score, once a game; the game's end itself
  // shows no message.
  void gameOver(int score);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildMenu();

  const Pictures* pictures_ = nullptr;
  SeaForm* form_;
  SpokenMessages* messages_;
  Narrator narrator_;
  BuoyReporter buoyReporter_;
  std::array<QAction*, 4> menu_{};
};

}  // namespace kalvenor::ui
