// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_sheet.h"

#include <QPainter>
#include <string>

#include "catalogue.h"
#include "icon_sizes.h"
#include "pictures/sea_background.h"
#include "pictures/ship_list.h"
#include "lettering/vector_font.h"

namespace kalvenor::assets {
namespace {

constexpr int kMargin = 16;
constexpr int kColumns = 8;
constexpr int kGap = 10;
constexpr int kCellWidth = kShipImageSize.width() + kGap;
constexpr int kCellHeight = kShipImageSize.height() + 20;
constexpr int kHeadingHeight = 24;
constexpr int kSheetWidth = 2 * kMargin + kColumns * kCellWidth - kGap;
const QColor kInk{0x22, 0x2a, 0x33};

struct Block {
  std::string heading;
  int first;
  int count;
};

std::vector<Block> shipBlocks() {
  const std::array<std::string, 4> names{"CLASS A  CARRIER", "CLASS B  CRUISER", "CLASS C  DESTROYER",
                                         "CLASS D  PATROL BOAT"};
  static_assert(names.size() == kShipBlocks.size(), "a heading for every class");
  std::vector<Block> blocks;
  for (std::size_t i = 0; i < kShipBlocks.size(); ++i) {
    const ShipBlock& block = kShipBlocks[i];
    blocks.push_back({names[i], block.firstImage, 1 + block.cells + block.sinkingFrames});
  }
  blocks.push_back({"EVERY CLASS  LIFE RING", kLifeRingImage, 1});
  return blocks;
}

std::string caption(int index) {
  const ShipImageRole role = shipImageRole(index);
  std::string text = std::to_string(index) + "  ";
  switch (role.kind) {
    case ShipImageRole::Kind::Afloat:
      return text + (role.step == 0 ? "INTACT" : "HIT " + std::to_string(role.step));
    case ShipImageRole::Kind::Sinking:
      return text + (role.step == role.block.sinkingFrames - 1 ? "EMPTY SEA" : "SINKING " + std::to_string(role.step + 1));
    case ShipImageRole::Kind::LifeRing: return text + "SUNK";
  }
  return text;
}

int rowsOf(const Block& block) { return (block.count + kColumns - 1) / kColumns; }

void drawHeading(QPainter& painter, const std::string& text, int top) {
  const lettering::Lettering letters(11, 1.7);
  letters.draw(painter, text, QPointF(kMargin + letters.width(text) / 2 + 1, top + 9), kInk);
}

void drawPicture(QPainter& painter, const QString& name, QPoint at) {
  const PictureAsset asset = picture(name);
  painter.drawImage(at, lettering::paintPicture(asset.size, 1, asset.paint, asset.ground));
}

int drawShipBlock(QPainter& painter, const Block& block, int top) {
  drawHeading(painter, block.heading, top);
  top += kHeadingHeight;
  const lettering::Lettering letters(7, 1.1);
  for (int i = 0; i < block.count; ++i) {
    const QPoint at(kMargin + (i % kColumns) * kCellWidth, top + (i / kColumns) * kCellHeight);
    drawPicture(painter, shipImageName(block.first + i), at);
    const std::string text = caption(block.first + i);
    letters.draw(painter, text, QPointF(at.x() + letters.width(text) / 2 + 1, at.y() + kShipImageSize.height() + 8),
                 kInk);
  }
  return top + rowsOf(block) * kCellHeight + 6;
}

int sheetHeight(const std::vector<Block>& blocks) {
  int height = kMargin;
  for (const Block& block : blocks) height += kHeadingHeight + rowsOf(block) * kCellHeight + 6;
  return height + kHeadingHeight + 458 + kMargin;
}

void drawTitleBannersAndIcons(QPainter& painter, int top) {
  drawHeading(painter, "TITLE  BANNERS  ICONS", top);
  top += kHeadingHeight;
  drawPicture(painter, "title", QPoint(kMargin, top));
  const int right = kMargin + 492 + 30;
  drawPicture(painter, "banner-grid", QPoint(right, top));
  drawPicture(painter, "banner-fleet", QPoint(right, top + 32));
  int x = right;
  for (int pixels : kIconSizes) {
    drawPicture(painter, QStringLiteral("icon-%1").arg(pixels), QPoint(x, top + 72));
    x += pixels + 16;
  }
}

}  // namespace

QImage contactSheet() {
  const std::vector<Block> blocks = shipBlocks();
  QImage sheet(kSheetWidth, sheetHeight(blocks), QImage::Format_RGB32);
  sheet.fill(QColor(0xee, 0xf0, 0xf2));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  int top = kMargin;
  for (const Block& block : blocks) top = drawShipBlock(painter, block, top);
  drawTitleBannersAndIcons(painter, top);
  return sheet;
}

}  // namespace kalvenor::assets
