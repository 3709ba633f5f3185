// SPDX-License-Identifier: GPL-3.0-or-later
#include "sea/sea_form.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "sea/design_layout.h"
#include "sea/pictures.h"
#include "sea/picture_box.h"
#include "language/qt_text.h"
#include "sea/screen_units.h"
#include "sea/sea_grid.h"
#include "language/translations.h"

namespace kalvenor::ui {

namespace {

// The labels were drawn for a narrow sans serif; Liberation Sans keeps their
// captions inside their fixed widths, where it is installed.
QFont sansFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QLabel* colouredLabel(const QString& caption, int background, int foreground, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, toQColor(background));
  palette.setColor(QPalette::WindowText, toQColor(foreground));
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

}  // namespace

SeaForm::SeaForm(QWidget* parent) : QWidget(parent), grid_(new SeaGrid(this)) {
  setFixedSize(pixels(design::kClientWidth), pixels(design::kClientHeight));
  QPalette sea = palette();
  sea.setColor(QPalette::Window, toQColor(design::kBlue));
  setPalette(sea);
  setAutoFillBackground(true);
  setFont(sansFont(design::kLabelFontPixels, false));

  grid_->move(toPixels(design::kGridOrigin));
  // Later controls lie on top of earlier ones: the marker bars over the
  // panel, the title over everything.
  buildBanners();
  buildFleetPanel();
  buildLegend();
  buildMarkerBars();
  buildBuoyPanel();
  buildScore();
  buildTitle();
}

void SeaForm::setCellSymbolsShown(bool shown) {
  grid_->setSymbolsShown(shown);
  // The legend's swatches are the form's own picture boxes.
  for (QWidget* swatch : elements_[static_cast<int>(Control::Picamod)]) {
    static_cast<PictureBox*>(swatch)->setCellSymbolShown(shown);
  }
}

void SeaForm::addElement(Control control, QWidget* widget, QRect geometry) {
  widget->setGeometry(geometry);
  widget->hide();
  elements_[static_cast<int>(control)].push_back(widget);
}

void SeaForm::buildBanners() {
  addElement(Control::Picmapots, new PictureBox(toQColor(design::kBlue), this), toPixels(design::kGridBanner));
  addElement(Control::Picfleetots, new PictureBox(toQColor(design::kBlue), this), toPixels(design::kFleetBanner));
}

void SeaForm::buildFleetPanel() {
  for (int slot = 0; slot < controlCount(Control::Picship2); ++slot) {
    addElement(Control::Picship2, new PictureBox(toQColor(design::kCyan), this), toPixels(design::kPanelSlot));
  }
}

void SeaForm::buildLegend() {
  const QSize swatch(pixels(design::kSwatchSize), pixels(design::kSwatchSize));
  const QSize label(pixels(design::kLegendLabelWidth), pixels(design::kLegendLabelHeight));
  // The legend captions keep the system's own label colours.
  const QPalette system = style()->standardPalette();
  for (const design::LegendEntry& entry : design::kLegend) {
    auto* box = new PictureBox(toQColor(entry.colour), this);
    box->setFrame(toQColor(design::kCellBorder));
    addElement(Control::Picamod, box, QRect(toPixels(entry.swatch), swatch));
    auto* caption = new QLabel(translatedCaption(entry.caption), this);
    caption->setPalette(system);
    caption->setAutoFillBackground(true);
    addElement(Control::Lblohje, caption, QRect(toPixels(entry.label), label));
  }
  for (const design::TwipLine& line : design::kLegendFrame) {
    addElement(Control::Line1, new PictureBox(toQColor(design::kYellow), this),
               QRect(toPixels(line.from), toPixels(line.to)));
  }
}

void SeaForm::buildMarkerBars() {
  for (const TwipRect& bar : design::kMarkerBars) {
    addElement(Control::Lblexp, new PictureBox(toQColor(design::kYellow), this), toPixels(bar));
  }
}

void SeaForm::buildBuoyPanel() {
  addElement(Control::Lbllbuoy,
             colouredLabel(translatedCaption(design::kBuoyLabelCaption), design::kBlue, design::kWhite, this),
             toPixels(design::kBuoyLabel));
  const QString buttonStyle =
      QStringLiteral("QPushButton { background: %1; color: black; padding: 0; border: 1px solid %2; }"
                     "QPushButton:pressed { background: %3; }")
          .arg(toQColor(design::kYellow).name(), toQColor(design::kCellBorder).name(),
               toQColor(design::kPressedYellow).name());
  for (int k = 0; k < controlCount(Control::Cmdbuoy); ++k) {
    auto* button = new QPushButton(toQString(design::kBuoyButtonCaptions[k]), this);
    // Tab reaches the shown buttons; a click leaves the focus on the grid.
    button->setFocusPolicy(Qt::TabFocus);
    button->setStyleSheet(buttonStyle);
    connect(button, &QPushButton::clicked, this, [this, k] { emit buoyClicked(k); });
    addElement(Control::Cmdbuoy, button, toPixels(design::buoyButton(k)));
  }
}

void SeaForm::buildScore() {
  const QFont bold = sansFont(design::kScoreFontPixels, true);
  QLabel* title = colouredLabel(translatedCaption(design::kScoreTitleCaption), design::kBlue, design::kYellow, this);
  title->setFont(bold);
  addElement(Control::Lblscore1, title, toPixels(design::kScoreTitle));
  QLabel* score = colouredLabel(toQString(design::kScoreCaption), design::kBlue, design::kYellow, this);
  score->setFont(bold);
  addElement(Control::Lblscore2, score, toPixels(design::kScore));
}

void SeaForm::buildTitle() {
  addElement(Control::Pic1, new PictureBox(toQColor(design::kBlue), this), toPixels(design::kTitle));
}

void SeaForm::setPictures(const Pictures& pictures) {
  static_cast<PictureBox*>(element(Control::Picmapots, 0))->setPicture(pictures.gridBanner());
  static_cast<PictureBox*>(element(Control::Picfleetots, 0))->setPicture(pictures.fleetBanner());
  title()->setPicture(pictures.title());
}

QWidget* SeaForm::element(Control control, int index) const {
  const std::vector<QWidget*>& elements = elements_[static_cast<int>(control)];
  return index >= 0 && index < static_cast<int>(elements.size()) ? elements[index] : nullptr;
}

PictureBox* SeaForm::panelSlot(int slot) const {
  return static_cast<PictureBox*>(element(Control::Picship2, slot));
}

PictureBox* SeaForm::title() const { return static_cast<PictureBox*>(element(Control::Pic1, 0)); }

void SeaForm::pressBuoyButton(int index) {
  auto* button = static_cast<QPushButton*>(element(Control::Cmdbuoy, index));
  if (button && button->isVisible() && button->isEnabled()) button->click();
}

QLabel* SeaForm::captionLabel(Control control) const {
  const bool captioned = control == Control::Lbllbuoy || control == Control::Lblscore2;
  return captioned ? static_cast<QLabel*>(element(control, 0)) : nullptr;
}

}  // namespace kalvenor::ui

#include "moc_sea_form.cpp"
