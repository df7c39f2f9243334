// The main window's window menu. Placeholder until the menu lands.
#include "ccalc_dlg.h"

namespace varuno {

void CCalcDlg::ShowWindowMenu(const QPoint& globalPos) { static_cast<void>(globalPos); }

}  // namespace varuno
