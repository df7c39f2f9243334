// The main window's keyboard: every key-down bound for the window or one of
// its controls is looked at first by a key filter, which turns the keys of
// the key table into queued clicks on the window's buttons; NumLock is set
// back to its start state before it clicks +/-. The clipboard and print
// shortcuts beside the table go to the window's clipboard actions, undo and
// redo to the window. Input methods are kept out of every control, so a
// Hangul input method never writes into the tape or holds back a key.
#include "ui/ccalc_dlg.h"

#include "ui/clipboard_actions.h"
#include "ui/keyboard/input_method_guard.h"
#include "ui/keyboard/key_click_filter.h"
#include "ui/keyboard/keypad_pass_through.h"
#include "ui/platform/key_layout_factory.h"

namespace varuno {

void CCalcDlg::InstallKeyboardHook() {
  // A child of the window: it lives and stops watching with it.
  new KeyClickFilter(
      this, [this](ControlId id) { return Button(id); }, Control(IDC_MEMORY_LIST), m_keyboard,
      MakeKeyLayout(),
      [this](ShortcutAction action, QWidget* target) { return OnShortcut(action, target); });
  new InputMethodGuard(this);
  new KeypadPassThrough(this);
}

bool CCalcDlg::OnShortcut(ShortcutAction action, QWidget* target) {
  if (action != ShortcutAction::Undo && action != ShortcutAction::Redo) {
    return m_clipboard->OnShortcut(action, target);
  }
  // Queued behind the clicks of the keys typed before it, which are queued too.
  const unsigned command = action == ShortcutAction::Undo ? UNDO_SYSCOMMAND : REDO_SYSCOMMAND;
  QMetaObject::invokeMethod(this, [this, command] { OnSysCommand(command); }, Qt::QueuedConnection);
  return true;
}

}  // namespace varuno
