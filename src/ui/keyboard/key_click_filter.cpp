#include "ui/keyboard/key_click_filter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <optional>

#include "ui/keyboard/button_click.h"
#include "dispatch/button_keys.h"
#include "dispatch/key_table.h"
#include "ui/keyboard/key_translation.h"
#include "ui/keyboard/num_lock.h"
#include "ui/platform/keyboard_state.h"
#include "dispatch/virtual_keys.h"

namespace varuno {

namespace {

// Alt combinations are the window system's (menus, window commands); the
// table never looks at them. AltGr as Ctrl+Alt types characters and is
// looked at.
bool IsSystemKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier);
}

bool IsWithin(const QWidget* target, const QWidget* control) {
  return control != nullptr && (target == control || control->isAncestorOf(target));
}

}  // namespace

KeyClickFilter::KeyClickFilter(QWidget* window, ButtonLookup buttons, QWidget* memoryList,
                               KeyboardState& keyboard, std::unique_ptr<KeyLayout> layout,
                               ShortcutHandler shortcuts)
    : QObject(window),
      m_window(window),
      m_buttons(std::move(buttons)),
      m_memoryList(memoryList),
      m_keyboard(keyboard),
      m_nNumLockAtStart(keyboard.NumLockByte()),
      m_layout(std::move(layout)),
      m_shortcuts(std::move(shortcuts)) {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(this);
  }
}

KeyClickFilter::~KeyClickFilter() {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(this);
  }
}

bool KeyClickFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
    return false;
  }
  // Key events reach the window's QWindow first and then the widget with
  // the focus; only the widget delivery is looked at.
  auto* target = qobject_cast<QWidget*>(watched);
  if (target == nullptr || m_window == nullptr || target->window() != m_window) {
    return false;
  }
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (IsSystemKey(key)) {
    return false;
  }
  const int virtualKey = TranslateKey(key, m_layout.get());
  if (type == QEvent::KeyRelease) {
    OnKeyUp(key, virtualKey);
    return false;
  }
  return OnKeyDown(target, key, virtualKey);
}

bool KeyClickFilter::OnKeyDown(QWidget* target, const QKeyEvent& key, int virtualKey) {
  const std::optional<KeyBinding> binding = FindKey(virtualKey);
  if (!binding) {
    // Keypad keys make no shortcut: with Num Lock on, Shift turns keypad 0
    // into Insert, and Shift is otherwise ignored on the keypad's digits.
    const Qt::KeyboardModifiers held = key.modifiers();
    const bool ctrl = held.testFlag(Qt::ControlModifier);
    const bool shift = held.testFlag(Qt::ShiftModifier);
    const bool others = (held & ~(Qt::ControlModifier | Qt::ShiftModifier)) != Qt::NoModifier;
    if (const std::optional<ControlId> id = FindButtonKey(virtualKey, ctrl, shift, others)) {
      if (QAbstractButton* button = m_buttons(*id)) {
        QueueButtonClick(button);
        return true;
      }
    }
    const std::optional<ShortcutAction> action =
        others ? std::nullopt : FindShortcut(virtualKey, ctrl, shift);
    return action && m_shortcuts && m_shortcuts(*action, target);
  }
  if (binding->rule == KeyRule::MemoryListFocused && !IsWithin(target, m_memoryList)) {
    return false;
  }
  if (binding->rule == KeyRule::NumLockFirst) {
    if (!key.isAutoRepeat()) {
      m_numLockHeld = true;
    }
    ReassertNumLock(m_keyboard, m_nNumLockAtStart);
  }
  if (QAbstractButton* button = m_buttons(binding->button)) {
    QueueButtonClick(button);
    return true;
  }
  // No button: the key goes on as any other. Enter and Esc still stop short
  // of the dialog itself, whose handling would end it.
  const bool closesDialog = virtualKey == VK_RETURN || virtualKey == VK_ESCAPE;
  return closesDialog && target == m_window;
}

void KeyClickFilter::OnKeyUp(const QKeyEvent& key, int virtualKey) {
  // XKB unlocks NumLock when the key is released, not when it is pressed:
  // a press while NumLock is on still shows it on at the key-down and turns
  // it off at the key-up. So the start state is asserted once more then.
  // Where the lock changes at the key-down this finds nothing to do.
  if (virtualKey == VK_NUMLOCK && m_numLockHeld && !key.isAutoRepeat()) {
    m_numLockHeld = false;
    ReassertNumLock(m_keyboard, m_nNumLockAtStart);
  }
}

}  // namespace varuno
