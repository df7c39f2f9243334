#include "ui/keyboard/button_click.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>

namespace varuno {

namespace {

inline constexpr char kReleaseTimerName[] = "varunoKeyClickRelease";

// Shows the button pressed, then released again after a moment. A second
// click meanwhile restarts the moment instead of stacking releases.
void ShowPressedBriefly(QAbstractButton& button) {
  auto* timer = button.findChild<QTimer*>(QLatin1String(kReleaseTimerName),
                                          Qt::FindDirectChildrenOnly);
  if (timer == nullptr) {
    timer = new QTimer(&button);
    timer->setObjectName(QLatin1String(kReleaseTimerName));
    timer->setSingleShot(true);
    timer->setInterval(kPressedPictureMs);
    QAbstractButton* target = &button;
    QObject::connect(timer, &QTimer::timeout, target, [target] {
      // A mouse press on the button meanwhile owns the pressed state now;
      // releasing it here would cost that click.
      if (target->underMouse() && QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) {
        return;
      }
      target->setDown(false);
    });
  }
  button.setDown(true);
  timer->start();
}

}  // namespace

void ClickLikeMouse(QAbstractButton& button) {
  if (!button.isEnabled()) {
    return;
  }
  if ((button.focusPolicy() & Qt::ClickFocus) != 0) {
    button.setFocus(Qt::MouseFocusReason);
  }
  const QPointer<QAbstractButton> guard(&button);
  button.click();
  if (guard) {
    ShowPressedBriefly(button);
  }
}

void QueueButtonClick(QAbstractButton* button) {
  if (button == nullptr) {
    return;
  }
  QMetaObject::invokeMethod(
      button, [button] { ClickLikeMouse(*button); }, Qt::QueuedConnection);
}

}  // namespace varuno
