// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The placement chain that one Tmr2 tick runs after Start: alus0asetus for
// ship 0, four stages for each of ships 1 to 9, then naytaruudukko.

#include <array>
#include <string_view>

namespace kalvenor {

// One stage of ships 1 to 9: stage k draws the orientation when k = 1 and
// places the ship when the drawn orientation is k.
struct PlacementStage {
  std::string_view name;
  int ship;
  int stage;
};

inline constexpr std::array<PlacementStage, 36> kPlacementStages = {{
    {"alus1asetus", 1, 1}, {"alus1asetus2", 1, 2}, {"alus1asetus3", 1, 3}, {"alus1asetus4", 1, 4},
    {"alus2asetus", 2, 1}, {"alus2asetus2", 2, 2}, {"alus2asetus3", 2, 3}, {"alus2asetus4", 2, 4},
    {"alus3asetus", 3, 1}, {"alus3asetus2", 3, 2}, {"alus3asetus3", 3, 3}, {"alus3asetus4", 3, 4},
    {"alus4asetus", 4, 1}, {"alus4asetus2", 4, 2}, {"alus4asetus3", 4, 3}, {"alus4asetus4", 4, 4},
    {"alus5asetus", 5, 1}, {"alus5asetus2", 5, 2}, {"alus5asetus3", 5, 3}, {"alus5asetus4", 5, 4},
    {"alus6asetus", 6, 1}, {"alus6asetus2", 6, 2}, {"alus6asetus3", 6, 3}, {"alus6asetus4", 6, 4},
    {"alus7asetus", 7, 1}, {"alus7asetus2", 7, 2}, {"alus7asetus3", 7, 3}, {"alus7asetus4", 7, 4},
    {"alus8asetus", 8, 1}, {"alus8asetus2", 8, 2}, {"alus8asetus3", 8, 3}, {"alus8asetus4", 8, 4},
    {"alus9asetus", 9, 1}, {"alus9asetus2", 9, 2}, {"alus9asetus3", 9, 3}, {"alus9asetus4", 9, 4},
}};

// The shape of a ship in one orientation: its cells as offsets from the
// anchor in slot order, and the anchor draw K + Int(N r).
struct ShipShape {
  int anchorBase;            // K
  int anchorCount;           // N
  int firstRejectedColumn;   // anchors in this column or right of it wrap; 30 = none
  int firstAnchorRow;
  int lastAnchorRow;
  int cells;
  std::array<int, 6> offsets;
};

// Ship 0, the band of two runs of three, orientations 1..4.
inline constexpr std::array<ShipShape, 4> kShip0Shapes = {{
    {30, 659, 29, 1, 22, 6, {-29, 0, 1, 30, 31, 60}},
    {60, 687, 27, 2, 24, 6, {-58, -57, -29, -28, 0, 1}},
    {0, 717, 27, 0, 23, 6, {0, 1, 2, 31, 32, 33}},
    {0, 658, 28, 0, 21, 6, {0, 30, 31, 61, 62, 92}},
}};

// Ships 1 to 9 by class B, C, D, orientations 1..4. The rising diagonal of
// class C fills its slots from the anchor upwards; B and D from the top down.
inline constexpr std::array<std::array<ShipShape, 4>, 3> kRunShapes = {{
    {{
        {0, 660, 30, 0, 21, 4, {0, 30, 60, 90}},
        {90, 657, 27, 3, 24, 4, {-87, -58, -29, 0}},
        {0, 747, 27, 0, 24, 4, {0, 1, 2, 3}},
        {0, 657, 27, 0, 21, 4, {0, 31, 62, 93}},
    }},
    {{
        {0, 690, 30, 0, 22, 3, {0, 30, 60}},
        {60, 688, 28, 2, 24, 3, {0, -29, -58}},
        {0, 748, 28, 0, 24, 3, {0, 1, 2}},
        {0, 688, 28, 0, 22, 3, {0, 31, 62}},
    }},
    {{
        {0, 720, 30, 0, 23, 2, {0, 30}},
        {30, 719, 29, 1, 24, 2, {-29, 0}},
        {0, 749, 29, 0, 24, 2, {0, 1}},
        {0, 719, 29, 0, 23, 2, {0, 31}},
    }},
}};

}  // namespace kalvenor
