// SPDX-License-Identifier: GPL-3.0-or-later
// Kalvenor: the window opens on the title picture; the "File" menu starts a
// game.

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QStandardPaths>

#include <random>
#include <thread>

#include "application.h"
#include "scores/best_scores.h"
#include "command_line.h"
#include "game_session.h"
#include "help/help_menu.h"
#include "reader/screen_reader_part.h"
#include "sea/sea_form.h"
#include "settings_menu.h"
#include "sound/sound_library.h"
#include "language/translations.h"
#include "window_style.h"

namespace {

// A finished game's score goes into the best scores.
class ScoreKeeper final : public kalvenor::NullGameEvents {
 public:
  explicit ScoreKeeper(kalvenor::ui::BestScores& scores) : scores_(scores) {}
  void gameFinished(std::int16_t score) override { scores_.record(score); }

 private:
  kalvenor::ui::BestScores& scores_;
};

}  // namespace

int main(int argc, char* argv[]) {
  // The name, not the program file's, names the folder of the best scores.
  QCoreApplication::setApplicationName(QStringLiteral("kalvenor"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kalvenor::ui::kApplicationVersion));
  const kalvenor::ui::CommandLine commandLine = kalvenor::ui::readCommandLine(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  // Reading the font configuration is the longest step before the window can
  // open (its menu bar is measured in its font); it runs beside the
  // connection to the display rather than after it. Qt then finds it done.
  std::thread fontConfiguration([] { FcInit(); });
  // The desktop file name becomes the window's Wayland app id, which the
  // desktop matches with the installed desktop entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kalvenor::ui::kApplicationId));
  std::optional<kalvenor::ui::DisplayFailureGuard> displayFailure(std::in_place, commandLine.windowSystemFailure);
  QApplication app(argc, argv);
  displayFailure.reset();
  fontConfiguration.join();
  QApplication::setStyle(new kalvenor::ui::WindowStyle);  // the application owns its style
  const QString besideTheProgram = QCoreApplication::applicationDirPath();
  // In the first of the player's languages that the game speaks.
  const kalvenor::ui::Translations translations(kalvenor::ui::installedCatalogueFolder(), QLocale::system());
  kalvenor::UniformRandom random(std::random_device{}());
  const QString soundModule = QDir::cleanPath(besideTheProgram + QLatin1Char('/') +
                                              QString::fromLatin1(kalvenor::ui::kSoundModuleFolder) +
                                              QStringLiteral("/kalvenor-sound"));
  kalvenor::ui::SoundLibrary sound(soundModule, {besideTheProgram});
  kalvenor::ui::GameSession session(random, sound);
  kalvenor::ui::BestScores scores(kalvenor::ui::BestScores::playersFolder());
  // Each menu goes to the end of the menu bar: File, Settings, Help.
  kalvenor::ui::SettingsMenu settings(*session.window().menuBar(),
                                      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
  kalvenor::ui::HelpMenu help(*session.window().menuBar(), session.window(), scores);
  ScoreKeeper scoreKeeper(scores);
  session.attach(scoreKeeper);
  kalvenor::ui::ScreenReaderPart reader(session.window().form(), session.game());
  session.attach(reader);
  reader.nameForScreenReader(session.window().fileMenu());
  reader.nameForScreenReader(settings.menu());
  reader.nameForScreenReader(help.menu());
  QObject::connect(&session.window(), &kalvenor::ui::SeaWindow::boardAsked, &app,
                   [&reader](kalvenor::ui::KeyCommand asked) { reader.answer(asked); });
  const auto showSymbols = [&session, &help](bool shown) {
    session.window().form().setCellSymbolsShown(shown);
    help.setCellSymbolsShown(shown);
  };
  showSymbols(settings.symbolsOnCells());
  QObject::connect(&settings, &kalvenor::ui::SettingsMenu::symbolsOnCellsChanged, &app, showSymbols);
  // Exit ends the program at once. quit() would close the window first and
  // so run the unload step, which only closing the window may do.
  QObject::connect(&session.window(), &kalvenor::ui::SeaWindow::programEndRequested, &app,
                   [] { QCoreApplication::exit(0); });
  session.open();
  return QApplication::exec();
}
