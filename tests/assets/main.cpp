// SPDX-License-Identifier: GPL-3.0-or-later
// Picture tests need a QGuiApplication; without a display they run offscreen.

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
