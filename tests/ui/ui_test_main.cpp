// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the UI tests with one QApplication, offscreen unless told otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  // Kept places and folders go to a test location, not the user's settings.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setOrganizationName("kelvane-tests");
  QApplication::setApplicationName("kelvane-tests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
