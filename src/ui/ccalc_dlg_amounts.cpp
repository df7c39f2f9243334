// The main window's amount readings: the 만 reading of the numbers shown
// and copying an amount in words (a refusal's reason also spoken).
#include "ui/amount_readings.h"
#include "ui/ccalc_dlg.h"
#include "ui/speech_announcer.h"

namespace varuno {

void CCalcDlg::InstallAmountReadings() {
  m_amounts = new AmountReadings(this, AmountControls{m_ctlDisplay, m_ctlTape, m_ctlMemoryList});
  // A screen reader hears the reason a sighted user reads in the tooltip.
  connect(m_amounts, &AmountReadings::refusalShown, m_announcer, &SpeechAnnouncer::Announce);
}

}  // namespace varuno
