// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fittings shared by the ship classes, so that all four are painted in one
// hand: hull, superstructure blocks, windows, guns, funnels and masts.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace kalvenor::assets::parts {

inline const QColor kHullGrey{0x5e, 0x69, 0x73};
inline const QColor kSuperstructureGrey{0x8d, 0x98, 0xa2};
inline const QColor kDeckGrey{0x45, 0x4b, 0x52};
inline const QColor kOutline{0x2b, 0x31, 0x37};
inline const QColor kWindow{0x1c, 0x26, 0x30};

// Fills the hull with shading, the black boot-topping band at the waterline and
// the red bottom paint below it, then outlines it.
void hull(QPainter& painter, const QPainterPath& shape, const QColor& colour = kHullGrey);

// A superstructure block with a lit top edge.
void block(QPainter& painter, const QRectF& rect, const QColor& colour = kSuperstructureGrey);

// A row of `count` square windows starting at `first`, centres `spacing` apart.
void windows(QPainter& painter, QPointF first, int count, double spacing, double size);

// A gun turret standing on `base` (middle of its foot), barrels towards +x if
// `towardsBow`, else towards -x.
void turret(QPainter& painter, QPointF base, double size, int barrels, bool towardsBow);

// A funnel standing on `base`, raked aft by `rake`, with a black cap.
void funnel(QPainter& painter, QPointF base, double width, double height, double rake);

// A pole mast with a yard and a radar bar.
void mast(QPainter& painter, QPointF foot, double height, double yard);

}  // namespace kalvenor::assets::parts
