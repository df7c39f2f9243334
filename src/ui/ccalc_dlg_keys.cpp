// The main window's keyboard handling. Placeholder until the key filter lands.
#include "ccalc_dlg.h"

namespace varuno {

void CCalcDlg::InstallKeyboardHook() {}

void CCalcDlg::ReassertNumLock(int startState) { static_cast<void>(startState); }

}  // namespace varuno
