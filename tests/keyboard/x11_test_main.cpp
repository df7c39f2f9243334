// Runs the X11 keyboard tests on the X server named by
// VARUNO_TEST_X11_DISPLAY with Qt's xcb platform. Without that variable the
// tests skip (on the offscreen platform, so the program still starts).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <X11/Xlib.h>

#include <cstdio>

int main(int argc, char** argv) {
  const QByteArray display = qgetenv("VARUNO_TEST_X11_DISPLAY");
  if (display.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  } else {
    Display* probe = XOpenDisplay(display.constData());
    if (probe == nullptr) {
      std::fprintf(stderr, "cannot open the X display %s\n", display.constData());
      return 1;
    }
    XCloseDisplay(probe);
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", display);
  }
  QLocale::setDefault(QLocale::c());
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
