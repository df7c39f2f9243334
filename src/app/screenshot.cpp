#include "app/screenshot.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "ui/ccalc_dlg.h"
#include "ui/shell_services.h"
#include "app/startup_probe.h"

namespace varuno {

namespace {

// Time for the window system to settle (compositing, font caches) after the
// first paint before the picture is taken.
constexpr int kSettleMs = 250;
// How often and how long to look for the About box once it was asked for.
constexpr int kPollMs = 20;
constexpr int kPollLimit = 250;

// The screen area of the calculator and the About box over it, as the
// screen shows it; composed from the two windows' own pictures where the
// platform cannot read the screen back.
QImage GrabBoth(QWidget& calculator, QWidget& about) {
  const QRect area = calculator.frameGeometry().united(about.frameGeometry());
  if (QScreen* screen = calculator.screen()) {
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!shot.isNull() && shot.size() == area.size() * shot.devicePixelRatio()) {
      return shot.toImage();
    }
  }
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.drawPixmap(calculator.geometry().topLeft() - area.topLeft(), calculator.grab());
  painter.drawPixmap(about.geometry().topLeft() - area.topLeft(), about.grab());
  return image;
}

// Waits (polling) until a modal window other than the calculator is shown
// and has had time to paint, then runs `then` with it.
void WhenAboutShown(CCalcDlg& calculator, std::function<void(QWidget&)> then, int attempt = 0) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != &calculator && modal->isVisible()) {
    QPointer<QWidget> about(modal);
    QTimer::singleShot(kSettleMs, &calculator, [about, then] {
      if (about) {
        then(*about);
      }
    });
    return;
  }
  if (attempt >= kPollLimit) {
    return;  // no About box: the caller's exec() still needs ending
  }
  QTimer::singleShot(kPollMs, &calculator,
                     [&calculator, then, attempt] { WhenAboutShown(calculator, then, attempt + 1); });
}

}  // namespace

void TakeScreenshotWhenPainted(CCalcDlg& calculator, ShellServices& shell, const QString& file,
                               bool withAbout, bool* saved) {
  *saved = false;
  WhenFirstPainted(calculator, [&calculator, &shell, file, withAbout, saved] {
    if (!withAbout) {
      QTimer::singleShot(kSettleMs, &calculator, [&calculator, file, saved] {
        *saved = calculator.grab().save(file, "PNG");
        calculator.reject();
      });
      return;
    }
    WhenAboutShown(calculator, [&calculator, file, saved](QWidget& about) {
      *saved = GrabBoth(calculator, about).save(file, "PNG");
      about.close();
    });
    shell.ShowAbout(&calculator);
    calculator.reject();
  });
}

void ReportAndCloseWhenPainted(CCalcDlg& calculator) {
  WhenFirstPainted(calculator, [&calculator] {
    PrintStartupReport();
    calculator.reject();
  });
}

}  // namespace varuno
