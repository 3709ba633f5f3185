// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "help/help_items.h"
#include "language/translations.h"

namespace kalvenor::ui {

namespace {

void say(std::FILE* stream, const QString& text) {
  std::fputs(qPrintable(text), stream);
  std::fflush(stream);
}

QString variable(const char* name) { return qEnvironmentVariable(name); }

// Whether a platform that needs a display has one named, by Qt's rules: the
// -platform option or QT_QPA_PLATFORM (a list, tried in turn), else X11 or
// Wayland, which read DISPLAY (or -display) and WAYLAND_DISPLAY.
bool displayNamed(const QCommandLineParser& parser) {
  const QString platforms =
      parser.isSet(QStringLiteral("platform")) ? parser.value(QStringLiteral("platform")) : variable("QT_QPA_PLATFORM");
  const bool x11 = !variable("DISPLAY").isEmpty() || parser.isSet(QStringLiteral("display"));
  const bool wayland = !variable("WAYLAND_DISPLAY").isEmpty();
  if (platforms.isEmpty()) return x11 || wayland;
  for (const QString& platform : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString name = platform.section(QLatin1Char(':'), 0, 0);
    if (name == QLatin1String("xcb") ? x11 : name.startsWith(QLatin1String("wayland")) ? wayland : true) return true;
  }
  return false;
}

QString noDisplayLine() {
  return QCoreApplication::translate(
      "CommandLine", "kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)\n");
}

void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    say(stderr, qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
    return;
  }
  say(stderr, QCoreApplication::translate(
                  "CommandLine",
                  "kalvenor: cannot open the window on display \"%1\"; set DISPLAY (X11) or WAYLAND_DISPLAY "
                  "(Wayland) to a running display\n")
                  .arg(variable("DISPLAY").isEmpty() ? variable("WAYLAND_DISPLAY") : variable("DISPLAY")));
  std::_Exit(1);
}

}  // namespace

std::optional<int> commandLineExit(int argc, char* argv[]) {
  // An application object for as long as the command line is read, so that
  // its answers come in the player's language and name the program as Qt does.
  const QCoreApplication core(argc, argv);
  const Translations translations(installedCatalogueFolder(), QLocale::system());
  QStringList arguments;
  for (int k = 0; k < argc; ++k) arguments << QString::fromLocal8Bit(argv[k]);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      tagline());
  // Qt's own options, which the application object takes: -platform xcb,
  // -session as a session manager restarts the program, -reverse.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const auto addQtOption = [&parser](const char* name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), takesValue ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  };
  for (const char* qtOption : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry",
                               "style", "stylesheet", "session", "name", "title", "qwindowgeometry", "qwindowicon",
                               "qwindowtitle", "qmljsdebugger", "visual"}) {
    addQtOption(qtOption, true);
  }
  for (const char* qtFlag : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) addQtOption(qtFlag, false);
  if (!parser.parse(arguments)) {
    say(stderr,
        QCoreApplication::translate("CommandLine", "kalvenor: %1 Try kalvenor --help.\n").arg(parser.errorText()));
    return 2;
  }
  if (!parser.positionalArguments().isEmpty()) {
    say(stderr, QCoreApplication::translate("CommandLine", "kalvenor: Unexpected argument '%1'. Try kalvenor --help.\n")
                    .arg(parser.positionalArguments().first()));
    return 2;
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    say(stdout, parser.helpText());
    return 0;
  }
  if (parser.isSet(version)) {
    say(stdout, QStringLiteral("kalvenor %1\n").arg(QCoreApplication::applicationVersion()));
    return 0;
  }
  if (!displayNamed(parser)) {
    say(stderr, noDisplayLine());
    return 1;
  }
  return std::nullopt;
}

DisplayFailureGuard::DisplayFailureGuard() { qInstallMessageHandler(endOnFatal); }

DisplayFailureGuard::~DisplayFailureGuard() { qInstallMessageHandler(nullptr); }

}  // namespace kalvenor::ui
