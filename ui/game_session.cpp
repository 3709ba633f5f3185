#include "game_session.h"

namespace kalvenor::ui {

GameSession::GameSession(const Pictures& pictures, RandomSource& random, const WaveSources& sounds)
    : window_(pictures), sound_(sounds), game_(window_, timers_, sound_, random) {
  QObject::connect(&window_, &SeaWindow::menuChosen, &window_, [this](MenuItem item) { onMenu(item); });
  QObject::connect(&window_, &SeaWindow::cellClicked, &window_, [this](int cell) { game_.picareaClick(cell); });
  QObject::connect(&window_, &SeaWindow::buoyClicked, &window_, [this](int index) { game_.cmdbuoyClick(index); });
  QObject::connect(&window_, &SeaWindow::closing, &window_, [this] { game_.formUnload(); });
  QObject::connect(&timers_, &WindowTimers::ticked, &timers_, [this](Timer timer) { game_.onTimer(timer); });
}

void GameSession::open() {
  window_.show();
  game_.formLoad();
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
