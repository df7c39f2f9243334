// The main window's clipboard and printing: copy, paste and print work on
// the window's display, tape and memory list; a pasted number is typed
// through the command path of the buttons, as one action.
#include "ui/ccalc_dlg.h"

#include "ui/clipboard_actions.h"

namespace varuno {

void CCalcDlg::InstallClipboard() {
  m_clipboard = new ClipboardActions(
      this, ClipboardControls{m_ctlDisplay, m_ctlTape, m_ctlMemoryList,
                              [this](const std::vector<ControlId>& ids) {
                                m_calculator.DispatchClicks(ids);
                                SpeakResult(BN_CLICKED);
                              }});
}

}  // namespace varuno
