#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts and images need a GUI application. Test discovery runs the program
// outside CTest's environment too, so the offscreen platform is the default.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
