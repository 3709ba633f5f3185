// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_menu.h"

#include <QMenu>
#include <QMenuBar>

namespace kalvenor::ui {

namespace {

constexpr auto kSymbolsKey = "symbols-on-cells";

}  // namespace

SettingsMenu::SettingsMenu(QMenuBar& menuBar, const QString& folder)
    : kept_(folder + QStringLiteral("/kalvenor.conf"), QSettings::IniFormat),
      menu_(menuBar.addMenu(tr("&Settings"))),
      symbols_(menu_->addAction(tr("Symbols on cells"))) {
  symbols_->setCheckable(true);
  // Anything but a kept "true" is the first start's choice: off.
  symbols_->setChecked(kept_.value(kSymbolsKey, false).toBool());
  connect(symbols_, &QAction::toggled, this, [this](bool shown) {
    kept_.setValue(kSymbolsKey, shown);
    kept_.sync();  // a choice made just before Exit, which ends at once, is kept too
    emit symbolsOnCellsChanged(shown);
  });
}

bool SettingsMenu::symbolsOnCells() const { return symbols_->isChecked(); }

}  // namespace kalvenor::ui

#include "moc_settings_menu.cpp"
