// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_game.h"

#include <algorithm>

#include "breach.h"
#include "rules.h"

namespace kalvenor::fuzz {

namespace {

using Kind = Event::Kind;

// Every timer but Tmr1, which only draws a number.
bool gameTimerRunning(const Timers& timers) {
  for (int n = 2; n <= kTimers; ++n) {
    if (timers.enabled(timerNumber(n))) return true;
  }
  return false;
}

}  // namespace

// Room for the events of an input and of the game played to its end after
// it (some 800 shots and waits) without growing the record again and again.
CheckedGame::CheckedGame() = default;

void CheckedGame::apply(const Event& event) {
  if (ended_) return;
  const Screen& screen = game_.screen();
  bool happens = loaded_;
  switch (event.kind) {
    case Kind::Rand:
      random_.append(event.number);
      events_.push_back(event);
      return;
    case Kind::Dump: return;
    case Kind::Load: happens = !loaded_; break;
    case Kind::Start: happens = happens && screen.startEnabled; break;
    case Kind::Stop: happens = happens && screen.stopEnabled; break;
    case Kind::Click:
      happens = happens && event.value < kCells && game_.clickable(Control::Picarea, static_cast<int>(event.value));
      break;
    case Kind::Buoy:
      happens = happens && event.value < 5 && game_.clickable(Control::Cmdbuoy, static_cast<int>(event.value));
      break;
    case Kind::Sound:
    case Kind::Exit:
    case Kind::Unload:
    case Kind::Advance: break;
  }
  if (!happens) return;
  events_.push_back(event);
  run(event);
}

void CheckedGame::run(const Event& event) {
  handlerRan_ = true;
  switch (event.kind) {
    case Kind::Rand:
    case Kind::Dump: break;
    case Kind::Load:
      loaded_ = true;
      sound_.expectSoundsOf(kStartUpSoundMs);
      game_.formLoad();
      sound_.expectSoundsOf(kShotSoundMs);
      break;
    case Kind::Start:
      game_.mnustartClick();
      started_ = true;
      fleetPlaced_ = false;
      checkFreshGame(game_, clock_);
      break;
    case Kind::Stop: game_.mnustopClick(); break;
    case Kind::Sound: game_.mnusoundClick(); break;
    case Kind::Exit:
      game_.mnuexitClick();
      require(view_.ended(), "Exit does not end the program");
      ended_ = true;
      return;
    case Kind::Unload:
      game_.formUnload();
      require(sound_.closingSwitchOff(), "closing the window leaves channel 1 as it was");
      ended_ = true;
      return;
    case Kind::Click: {
      const bool soundOn = game_.screen().soundChecked;
      const int soundsBefore = sound_.soundsStarted();
      game_.picareaClick(static_cast<int>(event.value));
      require(soundOn || sound_.soundsStarted() == soundsBefore, "a shot is heard with Sound off");
      break;
    }
    case Kind::Buoy: game_.cmdbuoyClick(static_cast<int>(event.value)); break;
    case Kind::Advance: advance(event.value); break;
  }
  afterEvent();
}

void CheckedGame::tick(Timer timer) {
  handlerRan_ = true;
  game_.onTimer(timer);
  if (timer == Timer::Tmr2) {
    fleetPlaced_ = true;
    placedFleet_ = game_.shipcell;
    checkFleetLayout(game_);
  }
  afterEvent();
}

// A Tmr1 tick only draws a number (the unit tests hold it to that), so the
// game serves the ticks between two of the other timers at once, and there
// is nothing new to check after them.
bool CheckedGame::advance(std::int64_t ms) {
  bool gameTicked = false;
  clock_.advance(
      ms,
      [&](Timer timer) {
        tick(timer);
        gameTicked = true;
      },
      [this](std::int64_t count) { game_.tmr1Ticks(static_cast<std::uint64_t>(count)); });
  return gameTicked;
}

void CheckedGame::afterEvent() {
  if (game_.busy == 1 && lastBusy_ == 0) busySince_ = clock_.now();
  if (game_.buoybusy == 1 && lastBuoyBusy_ == 0) droppedAt_ = clock_.now();
  lastBusy_ = game_.busy;
  lastBuoyBusy_ = game_.buoybusy;
  // With no handler run and the clock where it was, the game and every rule
  // are as the last check left them: the end of an advance whose last tick
  // was checked at that very instant.
  const bool asLastChecked = !handlerRan_ && clock_.now() == checkedAt_;
  if (watchEveryEvent_ && !asLastChecked) checkRulesNow();
}

void CheckedGame::checkRulesNow() {
  ++checks_;
  handlerRan_ = false;
  checkedAt_ = clock_.now();
  require(!fleetPlaced_ || game_.shipcell == placedFleet_, "the fleet moved during the game");
  rules_.check({game_, clock_, clock_.now(), started_, fleetPlaced_, busySince_, droppedAt_});
  sound_.checkNothingOutlastsItsLength();
}

void CheckedGame::advanceToNextGameTick() {
  if (!loaded_ || ended_ || !gameTimerRunning(clock_)) return;
  constexpr std::int64_t kAMinute = 60'000;
  bool ticked = false;
  std::int64_t waited = 0;
  while (!ticked && waited < kAMinute) {
    ticked = advance(1);
    ++waited;
  }
  events_.push_back({Kind::Advance, waited});
  afterEvent();
}

std::vector<Event> CheckedGame::scenario() const {
  std::vector<Event> lines;
  for (float r : random_.drawn()) lines.push_back({Kind::Rand, 0, r});
  for (const Event& event : events_) {
    if (event.kind != Kind::Rand) lines.push_back(event);
  }
  return lines;
}

void CheckedGame::playToTheEnd() {
  if (ended_) return;
  // The rules are checked at the milestones of this game, not at each of
  // its some two thousand events: the fuzzed events before it are where the
  // surprises lie.
  watchEveryEvent_ = false;
  apply({Kind::Load});
  if (!game_.screen().startEnabled) {
    require(game_.screen().stopEnabled, "neither Start nor Stop playing is offered");
    apply({Kind::Stop});
  }
  apply({Kind::Start});
  checkRulesNow();
  apply({Kind::Advance, 500});  // the fleet is placed 500 ms after Start
  checkRulesNow();
  require(game_.screen().shownCells() == kCells, "the grid does not show 500 ms after Start");
  for (int cell = 0; cell < kCells && !game_.screen().startEnabled; ++cell) {
    require(game_.clickable(Control::Picarea, cell), "a cell of a game in play cannot be clicked");
    apply({Kind::Click, cell});
    require(game_.screen().cellColour[cell] != CellColour::Grey, "a shot at a cell of a game in play was ignored");
    if (game_.busy == 0) continue;
    // A sinking ends on a tick of Tmr3, which it started with the shot.
    const std::int64_t step = intervalMs(Timer::Tmr3);
    for (std::int64_t waited = 0; game_.busy == 1; waited += step) {
      require(waited <= kLongestSinkingMs, "a sinking holds the grid for good");
      apply({Kind::Advance, step});
    }
    checkRulesNow();
  }
  apply({Kind::Advance, 300});  // the last hit marker runs out
  checkRulesNow();
  const auto& colours = game_.screen().cellColour;
  require(std::count(colours.begin(), colours.end(), CellColour::Black) == kSlots,
          "a game played to its end does not have 31 black cells");
  require(game_.screen().startEnabled && game_.screen().enabledCells() == 0,
          "a game played to its end is not over");
}

}  // namespace kalvenor::fuzz
