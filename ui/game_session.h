#pragma once
// One run of the game: the window, its timers and sound channels, and the
// game logic Frmsea bound to them. Menu commands, clicks and timer ticks go
// to Frmsea's handlers; Frmsea answers through the window's View.

#include "kalvenor/frmsea.h"
#include "sea_window.h"
#include "wave_channels.h"
#include "window_timers.h"

namespace kalvenor::ui {

class Pictures;

class GameSession {
 public:
  GameSession(const Pictures& pictures, RandomSource& random, const WaveSources& sounds);
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  // Shows the window and runs the game's load step.
  void open();

  SeaWindow& window() { return window_; }
  WindowTimers& timers() { return timers_; }
  WaveChannels& sound() { return sound_; }
  const Frmsea& game() const { return game_; }

 private:
  void onMenu(MenuItem item);

  SeaWindow window_;
  WindowTimers timers_;
  WaveChannels sound_;
  Frmsea game_;
};

}  // namespace kalvenor::ui
