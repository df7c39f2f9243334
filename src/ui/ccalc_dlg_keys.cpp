// The main window's keyboard: every key-down bound for the window or one of
// its controls is looked at first by a key filter, which turns the keys of
// the key table into queued clicks on the window's buttons; NumLock is set
// back to its start state before it clicks +/-. The clipboard and print
// shortcuts beside the table go to the window's clipboard actions.
#include "ccalc_dlg.h"

#include <utility>

#include "clipboard_actions.h"
#include "key_click_filter.h"
#include "key_layout_factory.h"
#include "num_lock.h"

namespace varuno {

void CCalcDlg::InstallKeyboardHook() {
  KeyClickTargets targets{
      [this](ControlId id) { return Button(id); },
      [this] { return Control(IDC_MEMORY_LIST); },
      [this] { ReassertNumLock(m_nNumLockAtStart); },
      [this](ShortcutAction action, QWidget* target) { return m_clipboard->OnShortcut(action, target); },
  };
  // A child of the window: it lives and stops watching with it.
  new KeyClickFilter(this, std::move(targets), MakeKeyLayout());
}

void CCalcDlg::ReassertNumLock(int startState) { RestoreNumLock(m_keyboard, startState); }

}  // namespace varuno
