// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rectangle of one colour with an optional picture at its top-left corner
// and an optional one-pixel frame: the window's picture boxes, the legend
// swatches (with the cells' symbols while the grid shows them), the legend frame's lines and the hit-marker bars.
//
// On a screen scaled by a factor other than the picture's own, the picture is
// drawn from a copy resampled smoothly to the screen's pixels, once per
// picture and factor, rather than stretched pixel by pixel as it is painted.

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <optional>

namespace kalvenor::ui {

class PictureBox final : public QWidget {
 public:
  PictureBox(QColor background, QWidget* parent);

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  void setFrame(QColor colour);
  // A legend swatch: its colour's cell symbol over it (cell_symbols.h).
  void setCellSymbolShown(bool shown);
  QColor background() const { return background_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QPixmap& pictureForScreen();

  QColor background_;
  QPixmap picture_;
  QPixmap resampled_;  // picture_ at the screen's factor, when that differs
  std::optional<QColor> frame_;
  bool cellSymbol_ = false;
};

}  // namespace kalvenor::ui
