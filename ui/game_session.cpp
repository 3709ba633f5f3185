// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"

namespace kalvenor::ui {

GameSession::GameSession(RandomSource& random, SoundChannels& sound, WindowTimers::Clock clock)
    : timers_(std::move(clock)), game_(window_, timers_, sound, random, &listeners_) {
  timers_.defer(Timer::Tmr1);
  QObject::connect(&window_, &SeaWindow::menuChosen, &window_, [this](MenuItem item) {
    runOwedTicks();
    onMenu(item);
  });
  QObject::connect(&window_, &SeaWindow::cellClicked, &window_, [this](int cell) {
    runOwedTicks();
    game_.picareaClick(cell);
  });
  QObject::connect(&window_, &SeaWindow::buoyClicked, &window_, [this](int index) {
    runOwedTicks();
    game_.cmdbuoyClick(index);
  });
  QObject::connect(&window_, &SeaWindow::closing, &window_, [this] {
    runOwedTicks();
    game_.formUnload();
  });
  QObject::connect(&timers_, &WindowTimers::ticked, &timers_, [this](Timer timer) {
    runOwedTicks();
    game_.onTimer(timer);
  });
}

void GameSession::open() {
  window_.show();
  pictures_.emplace();
  window_.setPictures(*pictures_);
  game_.formLoad();
}

void GameSession::runOwedTicks() {
  if (const std::int64_t owed = timers_.takeOwedTicks(Timer::Tmr1); owed > 0) {
    game_.tmr1Ticks(static_cast<std::uint64_t>(owed));
  }
}

void GameSession::onMenu(MenuItem item) {
  switch (item) {
    case MenuItem::Mnustart: game_.mnustartClick(); break;
    case MenuItem::Mnusound: game_.mnusoundClick(); break;
    case MenuItem::Mnustop: game_.mnustopClick(); break;
    case MenuItem::Mnuexit: game_.mnuexitClick(); break;
  }
}

}  // namespace kalvenor::ui
