// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's client area: the blue sea with every control of the game at
// its design place, all hidden until the game shows them.

#include <QWidget>

#include <array>
#include <vector>

#include "kalvenor/controls.h"

class QLabel;

namespace kalvenor::ui {

class Pictures;
class PictureBox;
class SeaGrid;

class SeaForm final : public QWidget {
  Q_OBJECT

 public:
  explicit SeaForm(QWidget* parent);
  // The banners and the title picture: the form is built, and may be shown,
  // before the pictures are loaded.
  void setPictures(const Pictures& pictures);

  SeaGrid& grid() { return *grid_; }
  // The cells' symbols on the grid and on the legend's swatches, or neither.
  void setCellSymbolsShown(bool shown);
  // Element `index` of a control, or nullptr for a grid cell (the grid draws
  // those) and for an index the control does not have.
  QWidget* element(Control control, int index) const;
  PictureBox* panelSlot(int slot) const;
  PictureBox* title() const;
  // The labels whose caption the game writes: Lbllbuoy(0) and Lblscore2.
  QLabel* captionLabel(Control control) const;
  // A key's press of buoy button `index`: a click on it, if a click could
  // reach it now (shown and enabled), else nothing.
  void pressBuoyButton(int index);

 signals:
  void buoyClicked(int index);

 private:
  void addElement(Control control, QWidget* widget, QRect geometry);
  void buildBanners();
  void buildFleetPanel();
  void buildLegend();
  void buildMarkerBars();
  void buildBuoyPanel();
  void buildScore();
  void buildTitle();

  SeaGrid* grid_;
  std::array<std::vector<QWidget*>, kControlKinds> elements_;
};

}  // namespace kalvenor::ui
