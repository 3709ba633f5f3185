// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Settings" menu with its one check item, "Symbols on cells". The
// choice is the one setting the game keeps: it is read as the menu is built
// and written each time the player changes it.

#include <QObject>
#include <QSettings>

class QAction;
class QMenu;
class QMenuBar;

namespace kalvenor::ui {

class SettingsMenu final : public QObject {
  Q_OBJECT

 public:
  // Adds the menu at the end of the window's menu bar; the setting is kept
  // in a file in `folder`, which is made when the setting is first written.
  SettingsMenu(QMenuBar& menuBar, const QString& folder);

  QMenu& menu() { return *menu_; }
  bool symbolsOnCells() const;

 signals:
  void symbolsOnCellsChanged(bool shown);

 private:
  QSettings kept_;
  QMenu* menu_;       // owned by the menu bar
  QAction* symbols_;  // owned by the menu
};

}  // namespace kalvenor::ui
