// GoogleTest with one QApplication for all tests of the view. Without a
// platform chosen (a direct run, the test discovery), Qt draws off screen.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/app_setup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  mirl::gui::setUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
