// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does before it opens its window: --help and --version
// print and end it; an unknown option ends it with one line and status 2;
// without a display to open the window on it ends with one line naming the
// variable to set, status 1, rather than Qt's abort; scales out of range are
// brought in. Every line comes in the player's language.

#include <QString>
#include <QStringList>

#include <optional>

namespace kalvenor::ui {

struct CommandLine {
  // The status to end with at once, or nothing when the window may open.
  std::optional<int> exitStatus;
  // The line to end with should the window system named fail to start.
  QString windowSystemFailure;
};
CommandLine readCommandLine(int argc, char* argv[]);

// While one lives, a fatal error of Qt's (the window system named cannot be
// started, the display cannot be reached) ends the program with its one line
// and status 1 instead of Qt's lines and a core file. Qt's other lines
// meanwhile are held and written as it ends.
class DisplayFailureGuard {
 public:
  explicit DisplayFailureGuard(QString failure);
  ~DisplayFailureGuard();
  DisplayFailureGuard(const DisplayFailureGuard&) = delete;
  DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;

 private:
  static void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message);

  QString failure_;
  QStringList held_;
};

}  // namespace kalvenor::ui
