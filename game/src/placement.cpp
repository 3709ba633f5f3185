// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding the fleet: ship 0, then the four stages of each of ships 1 to 9,
// then the reveal of the grid. Every draw, accepted or not, takes one number
// of the random sequence, so the fleet depends on every number drawn before.

#include <cmath>

#include "kalvenor/frmsea.h"
#include "kalvenor/placement.h"

namespace kalvenor {

namespace {

// The anchor's edge class, kept in `clash` while a draw of ships 1 to 9 is
// tested; it only says which neighbour cells the anchor has.
int edgeClass(ShipClass shipClass, int stage, const ShipShape& shape, int anchor) {
  const int row = rowOf(anchor);
  const int column = columnOf(anchor);
  if (shipClass == ShipClass::B) {
    if (stage == 1) return (row >= 1 && row <= 20 && column >= 1 && column <= 28) ? 1 : 0;
    return column == 0 ? 1 : column == 26 ? 2 : 3;
  }
  if (row == shape.firstAnchorRow || row == shape.lastAnchorRow) return 0;
  const int lastColumn = stage == 1 ? kColumns - 1 : kColumns - shape.cells;
  return column == 0 ? 1 : column == lastColumn ? 2 : 3;
}

}  // namespace

float Frmsea::draw() { return random_.next(); }

// Int(n r): the product of a single-precision r and a small whole number is
// exact in double precision, so the floor is exact too.
int Frmsea::drawInt(int n) { return static_cast<int>(std::floor(n * static_cast<double>(draw()))); }

bool Frmsea::clearWater(const ShipShape& shape) const {
  for (int n = 0; n < shape.cells; ++n) {
    const int cell = anchor + shape.offsets[n];
    const int row = rowOf(cell);
    const int column = columnOf(cell);
    for (int dr = -1; dr <= 1; ++dr) {
      for (int dc = -1; dc <= 1; ++dc) {
        if (onGrid(row + dr, column + dc) && occupied[(row + dr) * kColumns + column + dc] == 1) {
          return false;
        }
      }
    }
  }
  return true;
}

void Frmsea::placeShip(int firstSlot, const ShipShape& shape) {
  for (int n = 0; n < shape.cells; ++n) occupied[anchor + shape.offsets[n]] = 1;
  for (int n = 0; n < shape.cells; ++n) {
    shipcell[firstSlot + n] = static_cast<GridIndex>(anchor + shape.offsets[n]);
  }
}

void Frmsea::runPlacementChain() {
  alus0asetus();
  for (const PlacementStage& stage : kPlacementStages) alusasetus(stage);
  naytaruudukko();
}

// Ship 0 tests only its anchor's column; a wrapping anchor makes it draw the
// orientation again as well.
void Frmsea::alus0asetus() {
  const ShipShape* shape;
  do {
    orient = static_cast<std::int16_t>(drawInt(4) + 1);
    shape = &kShip0Shapes[orient - 1];
    anchor = static_cast<std::int16_t>(shape->anchorBase + drawInt(shape->anchorCount));
  } while (columnOf(anchor) >= shape->firstRejectedColumn);
  placeShip(0, *shape);
}

// Stage k of ship s: the first stage draws the orientation; the stage whose
// number is the orientation draws anchors until one is allowed, free and
// clear of every placed ship, side and corner.
void Frmsea::alusasetus(const PlacementStage& stage) {
  const ShipClass shipClass = kFleet[stage.ship].shipClass;
  if (stage.stage == 1) orient = static_cast<std::int16_t>(drawInt(4) + 1);
  if (orient != stage.stage) {
    if (shipClass == ShipClass::B && stage.stage > 1) clash = 0;
    return;
  }
  const ShipShape& shape = kRunShapes[static_cast<int>(shipClass) - 1][orient - 1];
  for (;;) {
    clash = 0;
    anchor = static_cast<std::int16_t>(shape.anchorBase + drawInt(shape.anchorCount));
    if (columnOf(anchor) >= shape.firstRejectedColumn) continue;
    clash = static_cast<std::int16_t>(edgeClass(shipClass, stage.stage, shape, anchor));
    if (clearWater(shape)) break;
  }
  placeShip(kFleet[stage.ship].firstSlot, shape);
}

void Frmsea::naytaruudukko() {
  for (i = 0; i < kCells; ++i) show(Control::Picarea, i);
}

}  // namespace kalvenor
