// Looks at every key bound for one window or any of its controls before the
// control gets it, and turns the keys of the key table into queued clicks on
// the window's buttons. Of the keys outside the table, the clipboard and
// print shortcuts go to the window's shortcut handler; the rest go on to the
// control and the dialog's own handling. Enter and Esc never reach the
// dialog's handling (which would close it).
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "control_ids.h"
#include "key_layout.h"
#include "shortcut_keys.h"

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace varuno {

struct KeyClickTargets {
  // The window's button with a control ID; nullptr when it has none.
  std::function<QAbstractButton*(ControlId)> button;
  // The memory list, the only control where Delete clicks a button.
  std::function<QWidget*()> memoryList;
  // Sets NumLock back to its start state.
  std::function<void()> reassertNumLock;
  // Carries out a shortcut typed at a control (or the window); returns
  // whether it took the key. May be empty.
  std::function<bool(ShortcutAction, QWidget*)> shortcut;
};

class KeyClickFilter final : public QObject {
 public:
  // Becomes a child of `window` and watches the application's key events
  // for as long as it lives. `layout` may be null (keys are then taken by
  // Qt's key codes).
  KeyClickFilter(QWidget* window, KeyClickTargets targets, std::unique_ptr<KeyLayout> layout);
  ~KeyClickFilter() override;

  KeyClickFilter(const KeyClickFilter&) = delete;
  KeyClickFilter& operator=(const KeyClickFilter&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyDown(QWidget* target, const QKeyEvent& key, int virtualKey);
  void OnKeyUp(const QKeyEvent& key, int virtualKey);

  QPointer<QWidget> m_window;
  KeyClickTargets m_targets;
  std::unique_ptr<KeyLayout> m_layout;
  // A NumLock press was answered and its release is still to come.
  bool m_numLockHeld = false;
};

}  // namespace varuno
