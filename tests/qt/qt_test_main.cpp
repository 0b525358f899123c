// The Qt tests need their application object for the whole run, destroyed before the
// program's statics: it lives in main.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  // Headless by design, also when the build lists the tests.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
