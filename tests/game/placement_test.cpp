// SPDX-License-Identifier: GPL-3.0-or-later
// Fleet placement: shapes and slot orders at the edges, the cells that block
// a placement, rejected anchors, the numbers each placement takes, and a
// property test over many generated fleets.

#include <set>

#include "harness.h"

namespace kalvenor::testing {
namespace {

// The stage of `ship` that places it in orientation `orient`; all four
// stages run, as in the chain.
void runShip(Frmsea& game, int ship) {
  for (const PlacementStage& stage : kPlacementStages) {
    if (stage.ship == ship) game.alusasetus(stage);
  }
}

struct EdgeCase {
  int ship;
  int orient;
  int anchor;
  std::vector<int> cells;       // in slot order
  std::vector<int> neighbours;  // any order
};

// Ship 1 stands for class B, ship 3 for class C, ship 6 for class D.
const std::vector<EdgeCase>& edgeCases() {
  static const std::vector<EdgeCase> cases = {
      {1, 1, 29, {29, 59, 89, 119}, {28, 58, 88, 118, 148, 149}},
      {1, 1, 630, {630, 660, 690, 720}, {600, 601, 631, 661, 691, 721}},
      {1, 1, 659, {659, 689, 719, 749}, {628, 629, 658, 688, 718, 748}},
      {1, 1, 0, {0, 30, 60, 90}, {1, 31, 61, 91, 120, 121}},
      {1, 2, 90, {3, 32, 61, 90}, {1, 2, 4, 30, 31, 33, 34, 60, 62, 63, 91, 92, 120, 121}},
      {1, 2, 721, {634, 663, 692, 721},
       {603, 604, 605, 632, 633, 635, 661, 662, 664, 665, 690, 691, 693, 694, 720, 722, 723}},
      {1, 2, 746, {659, 688, 717, 746},
       {628, 629, 657, 658, 686, 687, 689, 715, 716, 718, 719, 745, 747, 748}},
      {1, 3, 746, {746, 747, 748, 749}, {715, 716, 717, 718, 719, 745}},
      {1, 3, 26, {26, 27, 28, 29}, {25, 55, 56, 57, 58, 59}},
      {1, 4, 655, {655, 686, 717, 748},
       {624, 625, 626, 654, 656, 657, 684, 685, 687, 688, 715, 716, 718, 719, 746, 747, 749}},
      {1, 4, 656, {656, 687, 718, 749}, {625, 626, 627, 655, 657, 658, 685, 686, 688, 689, 716, 717, 719, 747, 748}},
      {3, 1, 689, {689, 719, 749}, {658, 659, 688, 718, 748}},
      {3, 1, 29, {29, 59, 89}, {28, 58, 88, 118, 119}},
      {3, 1, 0, {0, 30, 60}, {1, 31, 61, 90, 91}},
      {3, 2, 747, {747, 718, 689}, {658, 659, 687, 688, 716, 717, 719, 746, 748, 749}},
      {3, 2, 60, {60, 31, 2}, {0, 1, 3, 30, 32, 33, 61, 62, 90, 91}},
      {3, 2, 717, {717, 688, 659}, {628, 629, 657, 658, 686, 687, 689, 716, 718, 719, 746, 747, 748}},
      {3, 3, 27, {27, 28, 29}, {26, 56, 57, 58, 59}},
      {3, 3, 30, {30, 31, 32}, {0, 1, 2, 3, 33, 60, 61, 62, 63}},
      {3, 4, 687, {687, 718, 749}, {656, 657, 658, 686, 688, 689, 716, 717, 719, 747, 748}},
      {6, 1, 719, {719, 749}, {688, 689, 718, 748}},
      {6, 1, 0, {0, 30}, {1, 31, 60, 61}},
      {6, 2, 748, {719, 748}, {688, 689, 717, 718, 747, 749}},
      {6, 2, 30, {1, 30}, {0, 2, 31, 32, 60, 61}},
      {6, 2, 58, {29, 58}, {27, 28, 57, 59, 87, 88, 89}},
      {6, 3, 28, {28, 29}, {27, 57, 58, 59}},
      {6, 3, 748, {748, 749}, {717, 718, 719, 747}},
      {6, 4, 718, {718, 749}, {687, 688, 689, 717, 719, 747, 748}},
      {6, 4, 690, {690, 721}, {660, 661, 691, 692, 720, 722}},
  };
  return cases;
}

TEST(Placement, ShipsTakeTheirShapeAndSlotOrderAtTheEdges) {
  for (const EdgeCase& c : edgeCases()) {
    SCOPED_TRACE(::testing::Message() << "ship " << c.ship << " orient " << c.orient << " anchor " << c.anchor);
    Harness h;
    h.feed(placing(c.ship, c.orient, c.anchor));
    runShip(h.game, c.ship);
    EXPECT_EQ(h.random.drawn(), 2u);
    EXPECT_EQ(shipCells(h.game, c.ship), c.cells);
    int occupiedCells = 0;
    for (int k = 0; k < kCells; ++k) occupiedCells += h.game.occupied[k];
    EXPECT_EQ(occupiedCells, static_cast<int>(c.cells.size()));
  }
}

// A placement is refused exactly when one of its cells or neighbour cells
// is occupied: try the anchor against a single occupied cell anywhere.
TEST(Placement, ExactlyTheShipAndItsNeighbourCellsBlockIt) {
  for (const EdgeCase& c : edgeCases()) {
    SCOPED_TRACE(::testing::Message() << "ship " << c.ship << " orient " << c.orient << " anchor " << c.anchor);
    std::set<int> blocking(c.cells.begin(), c.cells.end());
    blocking.insert(c.neighbours.begin(), c.neighbours.end());
    for (int x = 0; x < kCells; ++x) {
      Harness h;
      h.game.occupied[x] = 1;
      h.feed(placing(c.ship, c.orient, c.anchor));  // no number for a second draw
      bool placed = true;
      try {
        runShip(h.game, c.ship);
      } catch (const ScriptedRandom::Exhausted&) {
        placed = false;
      }
      EXPECT_EQ(placed, blocking.count(x) == 0) << "occupied cell " << x;
    }
  }
}

TEST(Placement, AnchorsThatWouldWrapAreDrawnAgainWhateverTheGridHolds) {
  for (int ship : {1, 3, 6}) {
    for (int orient = 1; orient <= 4; ++orient) {
      const ShipShape& shape = shapeOf(ship, orient);
      for (int anchor = shape.anchorBase; anchor < shape.anchorBase + shape.anchorCount; ++anchor) {
        Harness h;
        h.feed(placing(ship, orient, anchor));
        bool placed = true;
        try {
          runShip(h.game, ship);
        } catch (const ScriptedRandom::Exhausted&) {
          placed = false;
        }
        const int rejectedFrom = ship == 1 ? 27 : ship == 3 ? 28 : 29;
        const bool wraps = orient != 1 && columnOf(anchor) >= rejectedFrom;
        ASSERT_EQ(placed, !wraps) << "ship " << ship << " orient " << orient << " anchor " << anchor;
      }
    }
  }
}

TEST(Placement, OnlyTheStageOfTheDrawnOrientationPlacesTheShip) {
  for (int orient = 1; orient <= 4; ++orient) {
    Harness h;
    h.feed(placing(3, orient, 400));
    for (const PlacementStage& stage : kPlacementStages) {
      if (stage.ship != 3) continue;
      h.game.alusasetus(stage);
      const bool placedYet = stage.stage >= orient;
      EXPECT_EQ(h.game.occupied[400], placedYet ? 1 : 0) << "orient " << orient << " after " << stage.name;
    }
  }
}

TEST(Placement, ShipZeroBandsAtTheCornersOfTheirDraws) {
  const struct {
    int orient, anchor;
    std::array<int, 6> cells;
  } cases[] = {
      {1, 30, {1, 30, 31, 60, 61, 90}},        {1, 688, {659, 688, 689, 718, 719, 748}},
      {2, 60, {2, 3, 31, 32, 60, 61}},         {2, 746, {688, 689, 717, 718, 746, 747}},
      {3, 0, {0, 1, 2, 31, 32, 33}},           {3, 716, {716, 717, 718, 747, 748, 749}},
      {4, 0, {0, 30, 31, 61, 62, 92}},         {4, 657, {657, 687, 688, 718, 719, 749}},
  };
  for (const auto& c : cases) {
    Harness h;
    h.feed(placing(0, c.orient, c.anchor));
    h.game.alus0asetus();
    EXPECT_EQ(h.random.drawn(), 2u);
    for (int j = 0; j < 6; ++j) EXPECT_EQ(h.game.shipcell[j], c.cells[j]) << "orient " << c.orient;
    EXPECT_EQ(std::count(h.game.occupied.begin(), h.game.occupied.end(), 1), 6);
  }
}

TEST(Placement, AWrappingShipZeroAnchorRedrawsOrientationAndAnchor) {
  const struct {
    int orient, anchor;
  } rejected[] = {{1, 59}, {2, 87}, {3, 689}, {4, 28}};
  for (const auto& r : rejected) {
    Harness h;
    h.feed(placing(0, r.orient, r.anchor));
    h.feed(placing(0, 3, 0));
    h.game.alus0asetus();
    EXPECT_EQ(h.random.drawn(), 4u) << "orient " << r.orient;
    EXPECT_EQ(h.game.orient, 3);
    EXPECT_EQ(h.game.shipcell[5], 33);
  }
}

TEST(Placement, ShipZeroIgnoresOccupiedCells) {
  Harness h;
  h.game.occupied[31] = 1;
  h.feed(placing(0, 1, 30));
  h.game.alus0asetus();
  EXPECT_EQ(h.random.drawn(), 2u);
  EXPECT_EQ(h.game.shipcell[0], 1);
}

TEST(Placement, AShipTouchingAtACornerIsRefusedOneCellApartAccepted) {
  Harness h;
  h.game.occupied[0] = 1;  // a ship's cell in the corner
  // Class D vertical at 31 touches cell 0 at a corner: refused; at 32 it
  // keeps one free cell between: accepted.
  h.feed(placing(6, 1, 31));
  h.feed({anchorNumber(shapeOf(6, 1), 32)});
  runShip(h.game, 6);
  EXPECT_EQ(h.random.drawn(), 3u);
  EXPECT_EQ(shipCells(h.game, 6), (std::vector<int>{32, 62}));
}

TEST(Placement, ShipTwoCannotTakeShipOnesPlace) {
  Harness h;
  h.feed(placing(1, 3, 200));
  runShip(h.game, 1);
  h.feed(placing(2, 3, 200));
  h.feed({anchorNumber(shapeOf(2, 3), 400)});
  runShip(h.game, 2);
  EXPECT_EQ(shipCells(h.game, 2), (std::vector<int>{400, 401, 402, 403}));
}

TEST(Placement, ClashKeepsTheLastShipsEdgeClass) {
  const struct {
    int orient, anchor, clash;
  } cases[] = {{1, 0, 0}, {1, 30, 1}, {1, 59, 2}, {1, 45, 3}, {1, 690, 0},
               {2, 30, 0}, {2, 88, 2}, {3, 748, 0}, {4, 60, 1}, {4, 690, 0}};
  for (const auto& c : cases) {
    Harness h;
    h.feed(placing(9, c.orient, c.anchor));
    runShip(h.game, 9);
    EXPECT_EQ(h.game.clash, c.clash) << "orient " << c.orient << " anchor " << c.anchor;
  }
}

// Checks a generated fleet: 31 distinct cells, every ship in one of its
// shapes without wrap, no two ships touching, occupied exactly on the fleet.
void expectLegalFleet(const Frmsea& game) {
  std::array<int, kCells> owner;
  owner.fill(-1);
  for (int s = 0; s < kShips; ++s) {
    const std::vector<int> cells = shipCells(game, s);
    bool matchesAShape = false;
    for (int orient = 1; orient <= 4 && !matchesAShape; ++orient) {
      const ShipShape& shape = shapeOf(s, orient);
      // The shape's cells as row and column steps from the anchor: the same
      // steps must hold between the actual cells, so no run wraps a row.
      const int anchorSlot = static_cast<int>(std::find(shape.offsets.begin(), shape.offsets.begin() + shape.cells, 0) -
                                              shape.offsets.begin());
      const int anchor = cells[anchorSlot];
      bool fits = true;
      for (int n = 0; n < shape.cells; ++n) {
        const int offset = shape.offsets[n];
        const int dr = (offset + 3 * kColumns + 15) / kColumns - 3;  // offsets stay within 3 rows
        const int dc = offset - dr * kColumns;
        fits = fits && rowOf(cells[n]) == rowOf(anchor) + dr && columnOf(cells[n]) == columnOf(anchor) + dc;
      }
      matchesAShape = fits;
    }
    EXPECT_TRUE(matchesAShape) << "ship " << s;
    for (int cell : cells) {
      ASSERT_GE(cell, 0);
      ASSERT_LT(cell, kCells);
      EXPECT_EQ(owner[cell], -1) << "cell " << cell << " twice";
      owner[cell] = s;
    }
  }
  for (int k = 0; k < kCells; ++k) {
    EXPECT_EQ(game.occupied[k], owner[k] >= 0 ? 1 : 0) << "cell " << k;
    if (owner[k] < 0) continue;
    for (int dr = -1; dr <= 1; ++dr) {
      for (int dc = -1; dc <= 1; ++dc) {
        const int r = rowOf(k) + dr, c = columnOf(k) + dc;
        if (!onGrid(r, c)) continue;
        const int other = owner[r * kColumns + c];
        EXPECT_TRUE(other == -1 || other == owner[k]) << "ships " << owner[k] << " and " << other << " touch";
      }
    }
  }
}

TEST(PlacementProperty, ManyGeneratedFleetsAreLegal) {
  for (std::uint32_t seed = 1; seed <= 20000; ++seed) {
    UniformRandom random(seed);
    NullView view;
    VirtualClock clock;
    NullSound sound;
    Frmsea game(view, clock, sound, random);
    game.tmr2Timer();
    expectLegalFleet(game);
    if (::testing::Test::HasFailure()) FAIL() << "seed " << seed;
    ASSERT_EQ(game.screen().shownCells(), kCells);
  }
}

}  // namespace
}  // namespace kalvenor::testing
