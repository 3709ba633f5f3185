// SPDX-License-Identifier: GPL-3.0-or-later
// Listening buoys: buying one, dropping it, counting the ship cells afloat
// within three cells of it, and flashing that count in three bursts.

#include "kalvenor/frmsea.h"

namespace kalvenor {

void Frmsea::cmdbuoyClick(int index) {
  buoykind = static_cast<std::int16_t>(index);
  buoymode = 1;
  buoyused[buoykind] = 1;
  for (i = 0; i <= 4; ++i) hide(Control::Cmdbuoy, i);
  score = static_cast<std::int16_t>(score - 10 * (buoykind + 1));
  showScore();
  setBuoyCaption(kBuoyPendingCaption);
}

void Frmsea::poijuok() {
  buoymode = 0;
  buoybusy = 0;
  // A finished game keeps its buoy panel hidden: a buoy bought now could
  // never be dropped.
  if (allSlotsHit()) return;
  for (i = 0; i <= 4; ++i) {
    if (buoyused[i] == 0) show(Control::Cmdbuoy, i);
  }
  bool allUsed = true;
  for (std::int16_t used : buoyused) allUsed = allUsed && used == 1;
  if (allUsed) {
    hide(Control::Lbllbuoy);
  } else {
    setBuoyCaption(kBuoyIdleCaption);
    show(Control::Lbllbuoy);
  }
}

// Adds the ship cells afloat around the buoy, the buoy cell itself excepted:
// a disc of radius 3 clipped at the edges of the grid, without wrap.
void Frmsea::listenAround() {
  const int row = rowOf(buoycell);
  const int column = columnOf(buoycell);
  for (int dr = -3; dr <= 3; ++dr) {
    for (int dc = -3; dc <= 3; ++dc) {
      if (dr * dr + dc * dc > 9 || (dr == 0 && dc == 0) || !onGrid(row + dr, column + dc)) continue;
      if (occupied[(row + dr) * kColumns + column + dc] == 1) ++buoyheard;
    }
  }
}

// The drop: rows 0 to 2 here, 22 to 24 in asetapoiju2, the rest by column
// zone in asetapoiju3.
void Frmsea::asetapoiju() {
  buoyzone = 0;
  buoybusy = 1;
  setCellColour(buoycell, CellColour::DarkYellow);
  events_.buoyDropped(buoycell);
  hide(Control::Lbllbuoy);
  buoyheard = 0;
  buoyround = 0;
  if (occupied[buoycell] == 1) ++buoyheard;
  if (buoycell <= 89) {
    listenAround();
    enable(Timer::Tmr6);
  }
  asetapoiju2();
}

void Frmsea::asetapoiju2() {
  if (buoycell >= 660) {
    listenAround();
    enable(Timer::Tmr6);
  }
  asetapoiju3();
}

void Frmsea::asetapoiju3() {
  if (buoycell >= 90 && buoycell <= 659) {
    static constexpr std::array<std::int16_t, kColumns> zones = {1, 2, 3, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
                                                                 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 4, 5, 6};
    buoyzone = zones[columnOf(buoycell)];
  }
  if (buoyzone == 0) return;
  listenAround();
  enable(Timer::Tmr6);
}

// The pause before each burst, and the last pause that ends the cycle.
void Frmsea::tmr6Timer() {
  buoyflash = 0;
  disable(Timer::Tmr6);
  ++buoyround;
  if (buoyround == 4) {
    setCellColour(buoycell, CellColour::Grey);
    if (buoyheard == 0) events_.buoyHeard(buoycell, 0);
    buoyheard = -1;
    poijuok();
  } else if (buoyheard > 0) {
    enable(Timer::Tmr5);
  } else {
    enable(Timer::Tmr6);
  }
}

// Half a flash per tick; the phase is read back from the cell's colour.
void Frmsea::tmr5Timer() {
  if (cellColour(buoycell) == CellColour::DarkYellow) {
    setCellColour(buoycell, CellColour::Yellow);
  } else {
    setCellColour(buoycell, CellColour::DarkYellow);
    ++buoyflash;
  }
  if (buoyflash == buoyheard) {
    disable(Timer::Tmr5);
    setCellColour(buoycell, CellColour::DarkYellow);
    events_.buoyHeard(buoycell, buoyheard);
    enable(Timer::Tmr6);
  }
}

}  // namespace kalvenor
