// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ship_scene.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "pictures/damage.h"
#include "pictures/sea_background.h"

namespace kalvenor::assets {
namespace {

constexpr double kLoweringAtLastHit = 5.5;
constexpr double kPitchAtLastHit = 2.5;
constexpr double kSternRiseWhenSinking = 17;  // how far the stern lifts at the end
constexpr double kSternShowingAtLastFrame = 4;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

QTransform shipToImage(const ShipPose& pose) {
  QTransform transform;
  transform.translate(kShipImageSize.width() / 2.0, kWaterlineY + pose.sink);
  transform.rotate(pose.pitchDegrees);
  return transform;
}

// The stretch of the image's waterline that runs along the hull, from the
// point where the keel leaves the water to the point where the deck meets it.
struct Span {
  double left;
  double right;
};

std::optional<Span> hullAtWaterline(const ShipDesign& design, const ShipPose& pose,
                                    const QTransform& toImage) {
  constexpr double kKeelDepth = 8;
  const double angle = radians(pose.pitchDegrees);
  // In ship coordinates the image's waterline is the line y = -(sink + x sin a) / cos a.
  auto waterAt = [&](double x) { return -(pose.sink + x * std::sin(angle)) / std::cos(angle); };
  double first = -design.length / 2;
  double last = design.length / 2;
  if (std::sin(angle) > 1e-9) {
    first = std::max(first, (-kKeelDepth * std::cos(angle) - pose.sink) / std::sin(angle));
    last = std::min(last, (design.freeboard * std::cos(angle) - pose.sink) / std::sin(angle));
  }
  if (first >= last) return std::nullopt;
  return Span{toImage.map(QPointF(first, waterAt(first))).x(), toImage.map(QPointF(last, waterAt(last))).x()};
}

}  // namespace

ShipPose afloatPose(double damage) {
  return {kLoweringAtLastHit * damage, kPitchAtLastHit * damage};
}

ShipPose sinkingPose(const ShipDesign& design, double progress) {
  const double halfLength = design.length / 2;
  const double finalPitch = std::asin(std::min(1.0, kSternRiseWhenSinking / halfLength));
  const double finalSink = -kSternShowingAtLastFrame + halfLength * std::sin(finalPitch) +
                           design.sternHeight * std::cos(finalPitch);
  const ShipPose start = afloatPose(1);
  const double tilt = std::pow(progress, 0.7);
  const double descent = std::pow(progress, 1.3);
  return {start.sink + (finalSink - start.sink) * descent,
          start.pitchDegrees + (finalPitch * 180 / std::numbers::pi - start.pitchDegrees) * tilt};
}

void paintShipScene(QPainter& painter, const ShipDesign& design, const ShipState& state) {
  const QTransform toImage = shipToImage(state.pose);
  const int hits = std::min<int>(state.hits, static_cast<int>(design.damageSpots.size()));

  painter.save();
  painter.setClipRect(QRectF(0, 0, kShipImageSize.width(), kWaterlineY));
  painter.save();
  painter.setTransform(toImage, true);
  design.paint(painter);
  for (int spot = 0; spot < hits; ++spot) {
    lettering::Xorshift32 random(state.seed + 31u * static_cast<unsigned>(spot));
    paintScorch(painter, design.damageSpots[spot], random);
  }
  painter.restore();
  for (int spot = 0; spot < hits; ++spot) {
    lettering::Xorshift32 random(state.seed + 7u + 31u * static_cast<unsigned>(spot));
    const double size = 3.2 + 0.5 * (hits - spot) - 1.5 * state.sinking;
    paintFire(painter, toImage.map(design.damageSpots[spot]) + QPointF(0, 1), size, random);
  }
  painter.restore();

  const std::optional<Span> span = hullAtWaterline(design, state.pose, toImage);
  if (span) paintWaterlineWash(painter, span->left, span->right);

  for (int spot = 0; spot < hits; ++spot) {
    const QPointF source = toImage.map(design.damageSpots[spot]);
    if (source.y() > kWaterlineY - 2) continue;
    lettering::Xorshift32 random(state.seed + 13u + 31u * static_cast<unsigned>(spot));
    paintSmoke(painter, source, std::clamp(0.35 + 0.15 * (hits - spot) - 0.4 * state.sinking, 0.2, 1.0),
               random);
  }

  if (state.sinking > 0) {
    // Where the hull went under: from midships forward, widening as it goes.
    const double middle = toImage.map(QPointF(design.length * 0.15, 0)).x();
    const double reach = design.length * (0.3 + 0.25 * state.sinking);
    lettering::Xorshift32 random(state.seed + 101u + static_cast<unsigned>(state.sinking * 1000));
    paintBubbles(painter, middle - reach, middle + reach, state.sinking, random);
  }
}

}  // namespace kalvenor::assets
