// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the desktop measurements: the least a Qt 6 Widgets program
// can do, one empty top-level window, shown.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Qt 6 floor"));
  window.resize(320, 240);
  window.show();
  return QApplication::exec();
}
