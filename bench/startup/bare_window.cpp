// A bare Qt Widgets window of the calculator's size: the least any Qt
// program pays to put a window on the screen. With --bench-exit-after-paint
// it prints the start-up report after its first paint and exits.
#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool exitAfterPaint = QApplication::arguments().contains(QStringLiteral("--bench-exit-after-paint"));

  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.setFixedSize(429, 491);
  if (exitAfterPaint) {
    varuno::WhenFirstPainted(window, [&window] {
      varuno::PrintStartupReport();
      window.close();
    });
  }
  window.show();
  return QApplication::exec();
}
