// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frmsea: the game window's state record with every handler and procedure of
// the game. It sees the outside only through the view, the timers, the sound
// channels and the random source it is given, and tells what happens through
// the events it is given, if any.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "kalvenor/controls.h"
#include "kalvenor/fleet.h"
#include "kalvenor/game_events.h"
#include "kalvenor/grid.h"
#include "kalvenor/random_source.h"
#include "kalvenor/screen.h"
#include "kalvenor/sound.h"
#include "kalvenor/timers.h"
#include "kalvenor/view.h"

namespace kalvenor {

struct PlacementStage;
struct ShipShape;

// The score as the window shows it: " 1000", "-5".
std::string scoreText(std::int16_t score);

class Frmsea {
 public:
  Frmsea(View& view, Timers& timers, SoundChannels& sound, RandomSource& random, GameEvents* events = nullptr);
  Frmsea(const Frmsea&) = delete;
  Frmsea& operator=(const Frmsea&) = delete;

  // --- Window and menu events --------------------------------------------
  void formLoad();
  void formUnload();
  void mnustartClick();
  void mnusoundClick();
  void mnustopClick();
  void mnuexitClick();

  // --- Clicks: only shown and enabled controls raise them ----------------
  void picareaClick(int cell);
  void cmdbuoyClick(int index);

  // --- Timer ticks ---------------------------------------------------------
  void onTimer(Timer timer);
  void tmr1Timer();
  // `count` Tmr1 ticks at once, as a long idle or a run between two other
  // ticks owes them: a tick draws one number and changes nothing else.
  void tmr1Ticks(std::uint64_t count);
  void tmr2Timer();
  void tmr3Timer();
  void tmr4Timer();
  void tmr5Timer();
  void tmr6Timer();
  void tmr7Timer();
  void tmr8Timer();
  void tmr9Timer();

  // --- Procedures ------------------------------------------------------------
  void alus0asetus();
  void alusasetus(const PlacementStage& stage);  // one stage of ships 1 to 9
  void naytaruudukko();
  void osui();
  void naytaosuma();
  void eilaivoja();
  void asetapoiju();
  void asetapoiju2();
  void asetapoiju3();
  void poijuok();

  const Screen& screen() const { return screen_; }
  const Timers& timers() const { return timers_; }
  // Whether a click on this control would reach the game, as with a mouse.
  bool clickable(Control control, int index) const;

  // --- The game state record: 16-bit fields, all zero when the window opens
  std::int16_t score = 0;
  std::array<std::int16_t, kCells + 1> occupied{};  // 0..750; 750 is no cell
  std::array<std::int16_t, kCells + 1> shot{};      // 0..750
  std::array<GridIndex, kSlots> shipcell{};         // 0..30
  std::array<std::int16_t, kSlots> cellhit{};       // 0..30
  std::array<std::int16_t, kShips> hits{};          // 0..9
  GridIndex lastshot = 0;
  std::int16_t hitship = 0;
  std::int16_t hitslot = 0;
  std::int16_t busy = 0;
  std::int16_t markerstep = 0;
  std::int16_t hitcount = 0;
  std::int16_t buoymode = 0;
  std::int16_t buoybusy = 0;
  GridIndex buoycell = 0;
  std::array<std::int16_t, 5> buoyused{};  // 0..4
  std::int16_t buoykind = 0;
  std::int16_t anchor = 0;
  std::int16_t orient = 0;
  std::int16_t clash = 0;
  std::int16_t buoyheard = 0;
  std::int16_t buoyflash = 0;
  std::int16_t buoyround = 0;
  std::int16_t buoyzone = 0;
  std::int16_t i = 0;  // the loop counter the handlers share

 private:
  // Every presentation change goes through these: they keep screen_ and
  // mirror to the view.
  void show(Control control, int index = 0) { setShown(control, index, true); }
  void hide(Control control, int index = 0) { setShown(control, index, false); }
  void setShown(Control control, int index, bool shown);
  void setCellColour(int cell, CellColour colour);
  CellColour cellColour(int cell) const { return screen_.cellColour[cell]; }
  void setCellEnabled(int cell, bool enabled);
  void setPanelImage(int slot, int image);
  void movePanel(int slot, TwipPoint position);
  void moveMarkerBar(int bar, TwipPoint position);
  void placeTitle();
  void setBuoyCaption(std::string_view caption);
  void showScore();
  void setMenuEnabled(MenuItem item, bool enabled);
  void setSoundChecked(bool checked);

  void enable(Timer t) { timers_.setEnabled(t, true); }
  void disable(Timer t) { timers_.setEnabled(t, false); }
  void restart(Timer t);

  // Placement helpers.
  void runPlacementChain();
  float draw();
  int drawInt(int n);
  bool clearWater(const ShipShape& shape) const;
  void placeShip(int firstSlot, const ShipShape& shape);

  // The sound channels' command sequences.
  void startUpSound();
  void playShotSound(Channel channel, std::string_view wave, Timer stopTimer);
  void stopChannel(Channel channel, Timer timer);
  void windowClosingSound();

  bool allSlotsHit() const;
  void listenAround();

  View& view_;
  Timers& timers_;
  SoundChannels& sound_;
  RandomSource& random_;
  NullGameEvents unheard_;
  GameEvents& events_;
  Screen screen_;
};

}  // namespace kalvenor
