// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_box.h"

#include <QPainter>

namespace kalvenor::ui {

PictureBox::PictureBox(QColor background, QWidget* parent) : QWidget(parent), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void PictureBox::setFrame(QColor colour) {
  frame_ = colour;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inside = frame_ ? rect().adjusted(1, 1, -1, -1) : rect();
  if (frame_) painter.fillRect(rect(), *frame_);
  painter.fillRect(inside, background_);
  // A picture larger than the box is cut off at the right and bottom, as the
  // box clips its contents.
  if (!picture_.isNull()) painter.drawPixmap(inside.topLeft(), picture_);
}

}  // namespace kalvenor::ui
