#include "ui/keyboard/keypad_pass_through.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

#include <X11/keysym.h>

namespace varuno {

namespace {

// The Qt key and text of a keypad keysym, as Qt's own X keyboard gives them.
struct KeypadQtKey {
  int key;
  const char* text;
};

KeypadQtKey QtKeyOf(std::uint32_t keysym) {
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
    static constexpr const char* kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return {Qt::Key_0 + static_cast<int>(keysym - XK_KP_0), kDigits[keysym - XK_KP_0]};
  }
  switch (keysym) {
    case XK_KP_Decimal: return {Qt::Key_Period, "."};
    case XK_KP_Separator: return {Qt::Key_Comma, ","};
    case XK_KP_Add: return {Qt::Key_Plus, "+"};
    case XK_KP_Subtract: return {Qt::Key_Minus, "-"};
    case XK_KP_Multiply: return {Qt::Key_Asterisk, "*"};
    case XK_KP_Divide: return {Qt::Key_Slash, "/"};
    case XK_KP_Enter: return {Qt::Key_Enter, "\r"};
    default: return {Qt::Key_unknown, ""};
  }
}

}  // namespace

KeypadPassThrough::KeypadPassThrough(QWidget* window)
    : QObject(window),
      m_window(window),
      m_filter(std::make_unique<NativeKeypadFilter>(
          [this](const NativeKeypadKey& key) { return OnKeypad(key); },
          [this](std::uint32_t target) { OnOtherKey(target); })) {
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, &KeypadPassThrough::Deliver);
  m_filter->Install();
}

KeypadPassThrough::~KeypadPassThrough() = default;

bool KeypadPassThrough::IsWindow(std::uint32_t window) const {
  return m_window != nullptr && m_window->isWindow() && m_window->internalWinId() != 0 &&
         static_cast<std::uint32_t>(m_window->internalWinId()) == window;
}

bool KeypadPassThrough::OnKeypad(const NativeKeypadKey& key) {
  // Without a screen reader Qt delivers the keypad as it is; a menu or a
  // dialog over the window (the window may itself be modal) keeps its keys.
  QWidget* modal = QApplication::activeModalWidget();
  if (!QAccessible::isActive() || !IsWindow(key.window) || QApplication::activePopupWidget() != nullptr ||
      (modal != nullptr && modal != m_window)) {
    return false;
  }
  m_waiting.push_back(key);
  if (m_timer.isActive()) {
    return true;
  }
  const qint64 wait = m_sinceOtherKey.isValid() ? kBridgeAnswerMs - m_sinceOtherKey.elapsed() : 0;
  if (wait > 0) {
    m_timer.start(static_cast<int>(wait));
  } else {
    Deliver();
  }
  return true;
}

void KeypadPassThrough::OnOtherKey(std::uint32_t window) {
  if (!IsWindow(window)) {
    return;
  }
  // Keypad keys typed before this key go first; those after it wait for
  // the bridge to answer for it.
  m_timer.stop();
  Deliver();
  m_sinceOtherKey.start();
}

void KeypadPassThrough::Deliver() {
  if (m_window == nullptr) {
    m_waiting.clear();
    return;
  }
  for (const NativeKeypadKey& key : m_waiting) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus != nullptr && focus->window() == m_window ? focus : m_window.data();
    const KeypadQtKey qtKey = QtKeyOf(key.keysym);
    // Posted, not spontaneous: the bridge leaves such events alone.
    QCoreApplication::postEvent(
        target, new QKeyEvent(key.press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey.key, Qt::KeypadModifier,
                              key.keycode, key.keysym, key.state, QString::fromLatin1(qtKey.text)));
  }
  m_waiting.clear();
}

}  // namespace varuno
