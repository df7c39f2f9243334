// The main window's bitmap buttons. Placeholder until the keypad lands.
#include "ccalc_dlg.h"

namespace varuno {

void CCalcDlg::CreateTitleButtons() {}

void CCalcDlg::CreateKeypadButtons() {}

}  // namespace varuno
