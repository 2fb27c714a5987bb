#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts and images need a GUI application; the tests run on the offscreen platform.
int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
