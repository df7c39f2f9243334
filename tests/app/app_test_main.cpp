// The application tests run inside the program's own application object,
// headless and in the C locale.
#include <gtest/gtest.h>

#include <QLocale>
#include <QtGlobal>

#include "app/ccalc_app.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale::c());
  testing::InitGoogleTest(&argc, argv);
  varuno::CCalcApp app(argc, argv);
  return RUN_ALL_TESTS();
}
