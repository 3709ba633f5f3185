// SPDX-License-Identifier: GPL-3.0-or-later
// Firing at a cell, tracing a hit to its ship, the fleet panel's damage and
// sinking sequence, the blinking hit marker and the end of the game.

#include "kalvenor/frmsea.h"

namespace kalvenor {

void Frmsea::picareaClick(int cell) {
  if (busy != 0) {  // a ship sinks
    events_.shotRefused(cell);
    return;
  }
  if (shot[cell] == 0 && buoymode == 1 && buoybusy == 0) {
    buoycell = static_cast<GridIndex>(cell);
    asetapoiju();
    return;
  }
  lastshot = static_cast<GridIndex>(cell);
  shot[cell] = 1;
  if (cellColour(cell) != CellColour::Grey) return;  // fired at before, or a buoy listens here
  --score;
  showScore();
  if (occupied[cell] == 1) {
    setCellColour(cell, CellColour::Red);
    if (screen_.soundChecked) playShotSound(Channel::One, kHitWave, Timer::Tmr7);
    osui();
    events_.shotFired(cell, hits[hitship] == classOf(hitship).cells ? ShotResult::Sunk : ShotResult::Hit);
  } else {
    if (screen_.soundChecked) playShotSound(Channel::Two, kMissWave, Timer::Tmr8);
    setCellColour(cell, CellColour::Cyan);
    events_.shotFired(cell, ShotResult::Miss);
  }
}

void Frmsea::osui() {
  busy = 1;
  for (int j = 0; j < kSlots; ++j) {
    if (shipcell[j] == lastshot) hitslot = static_cast<std::int16_t>(j);
  }
  cellhit[hitslot] = 1;
  hitship = 0;
  while (hitship + 1 < kShips && hitslot >= kFleet[hitship + 1].firstSlot) ++hitship;

  const int first = kFleet[hitship].firstSlot;
  const int last = first + classOf(hitship).cells - 1;
  bool sunk = true;
  for (int j = first; j <= last; ++j) sunk = sunk && cellhit[j] == 1;
  if (sunk) {
    // The ship turns black, and buoys no longer hear it.
    for (int j = first; j <= last; ++j) setCellColour(shipcell[j], CellColour::Black);
    for (int j = first; j <= last; ++j) occupied[shipcell[j]] = 0;
    score += 200;
    showScore();
  }
  naytaosuma();
}

void Frmsea::naytaosuma() {
  const int s = hitship;
  const ShipClassInfo& info = classOf(s);
  markerstep = 0;
  enable(Timer::Tmr4);
  ++hits[s];
  if (hits[s] >= 1 && hits[s] <= info.cells) setPanelImage(s, info.intactImage + hits[s]);
  events_.shipHit(s, hits[s]);
  if (hits[s] == info.cells) events_.shipSunk(s);
  if (hits[s] < info.cells) busy = 0;
  if (hits[s] == info.cells) enable(Timer::Tmr3);
}

// One step of the sinking sequence; the grid opens again with the life ring.
void Frmsea::tmr3Timer() {
  const int s = hitship;
  const ShipClassInfo& info = classOf(s);
  ++hits[s];
  if (hits[s] > info.cells && hits[s] <= info.lastSinkingStep) {
    setPanelImage(s, info.intactImage + hits[s]);
  }
  if (hits[s] == info.endStep) {
    setPanelImage(s, kLifeRingImage);
    busy = 0;
    disable(Timer::Tmr3);
  }
}

// The hit marker: four bars around the hit ship's panel picture, shown on odd
// steps and hidden on even ones, for 20 steps.
void Frmsea::tmr4Timer() {
  ++markerstep;
  const int x = 7440 + 3240 * (hitship % 2);
  const int y = 480 + 1080 * (hitship / 2);
  const std::array<TwipPoint, 4> bars = {{{x, y}, {x, y + 1080}, {x, y}, {x + 3120, y}}};
  for (int bar = 0; bar < 4; ++bar) moveMarkerBar(bar, bars[bar]);
  const bool shownNow = screen_.shown(Control::Lblexp, 0);
  for (int bar = 0; bar < 4; ++bar) setShown(Control::Lblexp, bar, !shownNow);
  if (markerstep == 20) {
    disable(Timer::Tmr4);
    for (int bar = 0; bar < 4; ++bar) hide(Control::Lblexp, bar);
  }
  eilaivoja();
}

bool Frmsea::allSlotsHit() const {
  for (std::int16_t hit : cellhit) {
    if (hit != 1) return false;
  }
  return true;
}

// The quiet end of the game once every ship slot is hit: no buoys, no more
// shots, and Start is offered again.
void Frmsea::eilaivoja() {
  hitcount = 0;
  for (std::int16_t hit : cellhit) hitcount = static_cast<std::int16_t>(hitcount + (hit == 1));
  if (hitcount != kSlots) return;
  // The test runs on every tick of the last marker; the game finishes on the
  // one that still finds Start disabled.
  const bool finishing = !screen_.startEnabled;
  for (int k = 0; k < 5; ++k) hide(Control::Cmdbuoy, k);
  hide(Control::Lbllbuoy);
  for (int k = 0; k < kCells; ++k) setCellEnabled(k, false);
  setMenuEnabled(MenuItem::Mnustart, true);
  if (finishing) events_.gameFinished(score);
}

}  // namespace kalvenor
