// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuzzer's input as a game: every byte string decodes into events a
// player, the window and the clock could produce, played on a CheckedGame.
//
// Each operation is one byte, its arguments follow. The byte's value modulo
// 16 picks the operation, except 0xFE (the window closes) and 0xFF (Exit),
// which end the program and the input:
//   0 Start        1 Stop playing   2 Sound
//   3 click cell   (2 bytes: cell modulo 750)
//   4 click ship   (1 byte: the cell of ship slot modulo 31)
//   5 click the first ship cell not yet hit
//   6 click beside a ship  (1 byte: slot, 1 byte: one of the 8 neighbours)
//   7 click the buoy's cell
//   8 buoy button  (1 byte: button modulo 5)
//   9 advance 0..255 ms          (1 byte)
//  10 advance 200..51200 ms      (1 byte: (b + 1) x 200)
//  11 advance to the next tick of a game timer
//  12 random number  (4 bytes: a float 0 <= r < 1, else 24 bits of it)
//  13 reseed the random generator that follows the input's numbers (4 bytes)
//  14 advance exactly  (3 bytes: milliseconds)
//  15 fire at every ship cell not yet hit, waiting out each sinking: the
//     lucky player's game, so that the fuzzer reaches the end of a game
// An operation whose arguments the input lacks is dropped, and so are the
// advances once three minutes have passed on the game's clock. Clicks on
// what is not shown or not enabled and menu items not enabled are no events.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "checked_game.h"
#include "scenario_text.h"

namespace kalvenor::fuzz {

// Opens the window, then plays the input's events on the game.
void playInput(const std::uint8_t* data, std::size_t size, CheckedGame& game);

// The input that plays these events; the window opens first in any case.
std::vector<std::uint8_t> encodeEvents(const std::vector<Event>& events);

}  // namespace kalvenor::fuzz
