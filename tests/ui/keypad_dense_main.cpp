// Test main of the keypad tests on a dense screen: the offscreen platform
// scaled by 2, so every widget paints at a device pixel ratio of 2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QLocale::setDefault(QLocale::c());
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
