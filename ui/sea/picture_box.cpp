// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea/picture_box.h"

#include <QPainter>

#include "sea/cell_symbols.h"

namespace kalvenor::ui {

PictureBox::PictureBox(QColor background, QWidget* parent) : QWidget(parent), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  resampled_ = QPixmap();
  update();
}

void PictureBox::setFrame(QColor colour) {
  frame_ = colour;
  update();
}

void PictureBox::setCellSymbolShown(bool shown) {
  cellSymbol_ = shown;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inside = frame_ ? rect().adjusted(1, 1, -1, -1) : rect();
  if (frame_) painter.fillRect(rect(), *frame_);
  painter.fillRect(inside, background_);
  if (cellSymbol_) paintCellSymbol(painter, inside, background_);
  // A picture larger than the box is cut off at the right and bottom, as the
  // box clips its contents.
  if (!picture_.isNull()) painter.drawPixmap(inside.topLeft(), pictureForScreen());
}

const QPixmap& PictureBox::pictureForScreen() {
  const qreal factor = devicePixelRatioF();
  if (qFuzzyCompare(picture_.devicePixelRatio(), factor)) return picture_;
  if (resampled_.isNull() || !qFuzzyCompare(resampled_.devicePixelRatio(), factor)) {
    const QSize screenPixels = (picture_.deviceIndependentSize() * factor).toSize();
    resampled_ = picture_.scaled(screenPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resampled_.setDevicePixelRatio(factor);
  }
  return resampled_;
}

}  // namespace kalvenor::ui
