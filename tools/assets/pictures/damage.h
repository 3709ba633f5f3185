// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a hit leaves on a ship and what a sinking ship leaves on the water.

#include <QPainter>
#include <QPointF>

#include "lettering/xorshift.h"

namespace kalvenor::assets {

// A blackened hole, in ship coordinates.
void paintScorch(QPainter& painter, QPointF at, lettering::Xorshift32& random);

// Upright flames standing on `base`, about `size` pixels tall.
void paintFire(QPainter& painter, QPointF base, double size, lettering::Xorshift32& random);

// A plume drifting aft and up from `source`; amount 0..1 sets its length.
void paintSmoke(QPainter& painter, QPointF source, double amount, lettering::Xorshift32& random);

// A dark reflection under the hull and a line of foam along it, between
// `left` and `right` at the waterline.
void paintWaterlineWash(QPainter& painter, double left, double right);

// Foam and air bubbles over the stretch of sea where a ship goes down;
// amount 0..1 grows with the sinking.
void paintBubbles(QPainter& painter, double left, double right, double amount, lettering::Xorshift32& random);

}  // namespace kalvenor::assets
