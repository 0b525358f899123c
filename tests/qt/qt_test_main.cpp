// The Qt tests need their application object for the whole run, destroyed before the
// program's statics: it lives in main.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
