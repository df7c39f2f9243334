#include "ui/keyboard/input_method_guard.h"

#include <QCoreApplication>
#include <QInputMethodQueryEvent>
#include <QWidget>

namespace varuno {

InputMethodGuard::InputMethodGuard(QWidget* window) : QObject(window), m_window(window) {
  // Input methods ask the focus object whether it takes input (and send it
  // their text) through ordinary events; the application's filter sees
  // them before any control does.
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(this);
  }
}

InputMethodGuard::~InputMethodGuard() {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(this);
  }
}

bool InputMethodGuard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::InputMethodQuery && type != QEvent::InputMethod) {
    return false;
  }
  auto* target = qobject_cast<QWidget*>(watched);
  if (target == nullptr || m_window == nullptr || target->window() != m_window) {
    return false;
  }
  if (type == QEvent::InputMethodQuery) {
    // "Not enabled" is the one answer: the input method then neither
    // starts a syllable here nor keeps the keys from the window.
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    query->setValue(Qt::ImEnabled, false);
    query->accept();
    return true;
  }
  // Text from an input method that was already composing when the guard
  // began (or that ignores the answer above) is dropped, never written.
  event->accept();
  return true;
}

}  // namespace varuno
