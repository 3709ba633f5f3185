// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"

#include "dump.h"

namespace kalvenor {

Scenario::Scenario(std::ostream& out) : out_(out), game_(view_, clock_, sound_, random_) {}

void Scenario::requireWindow() const {
  if (!loaded_) throw ScenarioError("the window is not open yet");
}

bool Scenario::run(std::string_view line) {
  for (const Event& event : readLine(line)) {
    if (!run(event)) return false;
  }
  return true;
}

bool Scenario::run(const Event& event) {
  using Kind = Event::Kind;
  if (event.kind != Kind::Rand && event.kind != Kind::Load && event.kind != Kind::Dump) requireWindow();
  const Screen& screen = game_.screen();
  switch (event.kind) {
    case Kind::Rand: random_.append(event.number); break;
    case Kind::Load:
      if (loaded_) throw ScenarioError("the window is already open");
      loaded_ = true;
      game_.formLoad();
      break;
    case Kind::Start:
      if (screen.startEnabled) game_.mnustartClick();
      break;
    case Kind::Stop:
      if (screen.stopEnabled) game_.mnustopClick();
      break;
    case Kind::Sound: game_.mnusoundClick(); break;
    case Kind::Exit: game_.mnuexitClick(); return false;
    case Kind::Unload: game_.formUnload(); return false;
    case Kind::Click:
      if (game_.clickable(Control::Picarea, static_cast<int>(event.value))) {
        game_.picareaClick(static_cast<int>(event.value));
      }
      break;
    case Kind::Buoy:
      if (game_.clickable(Control::Cmdbuoy, static_cast<int>(event.value))) {
        game_.cmdbuoyClick(static_cast<int>(event.value));
      }
      break;
    case Kind::Advance:
      clock_.advance(
          event.value, [this](Timer timer) { game_.onTimer(timer); },
          [this](std::int64_t count) { game_.tmr1Ticks(static_cast<std::uint64_t>(count)); });
      break;
    case Kind::Dump: dumpState(out_, game_, clock_.now(), random_.drawn()); break;
  }
  return true;
}

int runScenario(std::istream& in, std::ostream& out, std::ostream& err) {
  Scenario scenario(out);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    try {
      if (!scenario.run(number == 1 ? withoutByteOrderMark(line) : line)) break;
    } catch (const std::exception& e) {
      out.flush();
      err << "error: line " << number << ": " << e.what() << '\n';
      return 2;
    }
  }
  return 0;
}

}  // namespace kalvenor
