// Looks at every key bound for one window or any of its controls before the
// control gets it, and turns the keys of the key table into queued clicks on
// the window's buttons. Of the keys outside the table, the keys of the
// buttons the table leaves out (button_keys.h) click those buttons, the
// clipboard and print shortcuts go to the window's shortcut handler; the
// rest go on to the control and the dialog's own handling. Enter and Esc never reach the
// dialog's handling (which would close it).
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "dispatch/control_ids.h"
#include "dispatch/shortcut_keys.h"
#include "ui/platform/key_layout.h"

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace varuno {

class KeyboardState;

// The window's button with a control ID; nullptr when it has none.
using ButtonLookup = std::function<QAbstractButton*(ControlId)>;
// Carries out a shortcut typed at a control (or the window); returns whether
// it took the key.
using ShortcutHandler = std::function<bool(ShortcutAction, QWidget*)>;

class KeyClickFilter final : public QObject {
 public:
  // Becomes a child of `window` and watches the application's key events
  // for as long as it lives. Delete clicks its button only in `memoryList`.
  // NumLock is set back on `keyboard` (which must outlive the filter) to the
  // state it reads now. `layout` may be null (keys are then taken by Qt's
  // key codes). The clipboard and print shortcuts go to `shortcuts`, which
  // may be empty.
  KeyClickFilter(QWidget* window, ButtonLookup buttons, QWidget* memoryList, KeyboardState& keyboard,
                 std::unique_ptr<KeyLayout> layout, ShortcutHandler shortcuts = {});
  ~KeyClickFilter() override;

  KeyClickFilter(const KeyClickFilter&) = delete;
  KeyClickFilter& operator=(const KeyClickFilter&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyDown(QWidget* target, const QKeyEvent& key, int virtualKey);
  void OnKeyUp(const QKeyEvent& key, int virtualKey);

  QPointer<QWidget> m_window;
  ButtonLookup m_buttons;
  QPointer<QWidget> m_memoryList;
  KeyboardState& m_keyboard;
  // The NumLock byte when the window was made; NumLock is set back to it.
  const int m_nNumLockAtStart;
  std::unique_ptr<KeyLayout> m_layout;
  // A NumLock press was answered and its release is still to come.
  bool m_numLockHeld = false;
  ShortcutHandler m_shortcuts;
};

}  // namespace varuno
