// Kalvenor: the window opens on the title picture; the "File" menu starts a
// game.

#include <QApplication>

#include <random>

#include "game_session.h"
#include "pictures.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const kalvenor::ui::Pictures pictures;
  kalvenor::UniformRandom random(std::random_device{}());
  kalvenor::ui::GameSession session(pictures, random, {QCoreApplication::applicationDirPath()});
  // Exit ends the program at once. quit() would close the window first and
  // so run the unload step, which only closing the window may do.
  QObject::connect(&session.window(), &kalvenor::ui::SeaWindow::programEndRequested, &app,
                   [] { QCoreApplication::exit(0); });
  session.open();
  return QApplication::exec();
}
