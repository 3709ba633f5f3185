// SPDX-License-Identifier: GPL-3.0-or-later
#include "dump.h"

namespace kalvenor {

namespace {

template <typename Array>
void digits(std::ostream& out, const Array& values, std::size_t count) {
  out << ' ';
  for (std::size_t n = 0; n < count; ++n) out << values[n];
}

template <typename Array>
void numbers(std::ostream& out, const Array& values) {
  for (const auto& value : values) out << ' ' << value;
}

char bit(bool b) { return b ? '1' : '0'; }

void shownDigits(std::ostream& out, const Screen& screen, Control control) {
  out << ' ';
  for (int n = 0; n < controlCount(control); ++n) out << bit(screen.shown(control, n));
}

}  // namespace

void dumpState(std::ostream& out, const Frmsea& game, std::int64_t timeMs, std::size_t draws) {
  const Screen& screen = game.screen();
  out << "time " << timeMs << '\n';
  out << "draws " << draws << '\n';
  out << "score " << game.score << '\n';
  out << "flags " << game.busy << ' ' << game.buoymode << ' ' << game.buoybusy << '\n';
  out << "colour ";
  for (CellColour colour : screen.cellColour) out << colourLetter(colour);
  out << "\noccupied";
  digits(out, game.occupied, kCells);
  out << "\nshot";
  digits(out, game.shot, kCells);
  out << "\nshipcell";
  numbers(out, game.shipcell);
  out << "\ncellhit";
  digits(out, game.cellhit, kSlots);
  out << "\nhits";
  numbers(out, game.hits);
  out << "\nbuoy";
  digits(out, game.buoyused, game.buoyused.size());
  out << ' ' << game.buoykind << ' ' << game.buoycell << ' ' << game.buoyheard << ' ' << game.buoyround
      << ' ' << game.buoyflash << ' ' << game.buoyzone << '\n';
  out << "ship " << game.orient << ' ' << game.anchor << ' ' << game.clash << ' ' << game.hitship << ' '
      << game.hitslot << ' ' << game.lastshot << ' ' << game.markerstep << ' ' << game.hitcount << '\n';
  out << "panel";
  numbers(out, screen.panelImage);
  out << "\ntimers ";
  for (int n = 1; n <= kTimers; ++n) out << bit(game.timers().enabled(timerNumber(n)));
  out << "\nmenu " << bit(screen.startEnabled) << ' ' << bit(screen.stopEnabled) << ' '
      << bit(screen.soundChecked) << '\n';
  out << "cells " << screen.shownCells() << ' ' << screen.enabledCells() << '\n';
  out << "shown " << bit(screen.shown(Control::Pic1));
  shownDigits(out, screen, Control::Picship2);
  shownDigits(out, screen, Control::Cmdbuoy);
  out << ' ' << bit(screen.shown(Control::Lbllbuoy)) << ' ' << bit(screen.shown(Control::Lblexp))
      << ' ' << bit(screen.shown(Control::Picamod)) << ' ' << bit(screen.shown(Control::Lblscore2)) << '\n';
  out << "caption " << screen.buoyCaption << '\n';
  out << "end\n";
}

}  // namespace kalvenor
