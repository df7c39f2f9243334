// The main window's amount readings: the 만 reading of the numbers shown
// and copying an amount in words.
#include "ui/amount_readings.h"
#include "ui/ccalc_dlg.h"

namespace varuno {

void CCalcDlg::InstallAmountReadings() {
  m_amounts = new AmountReadings(this, AmountControls{m_ctlDisplay, m_ctlTape, m_ctlMemoryList});
}

}  // namespace varuno
