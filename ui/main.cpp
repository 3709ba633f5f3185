// Kalvenor: the window opens on the title picture; the "File" menu starts a
// game.

#include <QApplication>

#include <random>

#include "game_session.h"
#include "sound_library.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString besideTheProgram = QCoreApplication::applicationDirPath();
  kalvenor::UniformRandom random(std::random_device{}());
  kalvenor::ui::SoundLibrary sound(besideTheProgram + QStringLiteral("/kalvenor-sound"), {besideTheProgram});
  kalvenor::ui::GameSession session(random, sound);
  // Exit ends the program at once. quit() would close the window first and
  // so run the unload step, which only closing the window may do.
  QObject::connect(&session.window(), &kalvenor::ui::SeaWindow::programEndRequested, &app,
                   [] { QCoreApplication::exit(0); });
  session.open();
  return QApplication::exec();
}
