// The main window without sight and without a mouse. After a command the calculator says
// what it produced (Calculator::Spoken) and the announcer speaks it without
// moving the focus; the display names itself before its value. The tape and
// the memory list describe what they hold (the last result, the selected
// row) each time they take the focus. A button clicked again while it holds
// the focus says its name once more. A ring shows which of the tab stops has
// the focus.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMetaObject>

#include "dispatch/spoken_result.h"
#include "ui/ccalc_dlg.h"
#include "ui/display_view.h"
#include "ui/focus_ring.h"
#include "ui/hot_spot.h"
#include "ui/memory_list_view.h"
#include "ui/speech_announcer.h"
#include "ui/tape_view.h"

namespace varuno {

void CCalcDlg::InstallSpeech() {
  m_announcer = new SpeechAnnouncer(this);
  new FocusRing(this, QList<QWidget*>{m_ctlMemoryList, m_ctlTape, m_ctlDisplay, m_ctlLogo, m_ctlHomepage});
  m_ctlTape->installEventFilter(this);
  m_ctlMemoryList->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this] { m_focusMoved = true; });
}

void CCalcDlg::OnButtonClicked(ControlId id, QAbstractButton* button) {
  // A screen reader hears a button by the focus moving to it; a click on the
  // button that already held the focus (the second 0 of 100) moves nothing.
  const bool unheard = !m_focusMoved && button->hasFocus();
  m_focusMoved = false;
  OnCommand(BN_CLICKED, id);
  // An operator speaks its result instead; a command that moved the focus
  // (the About box, the window closing) was heard by that.
  if (unheard && !m_focusMoved && m_calculator.Spoken().empty() && m_announcer != nullptr) {
    m_announcer->Announce(button->accessibleName());
  }
}

void CCalcDlg::SpeakResult(Notification notification) {
  const std::string& spoken = m_calculator.Spoken();
  if (m_announcer == nullptr || spoken.empty()) {
    return;
  }
  const QString text = QString::fromStdString(spoken);
  if (notification != EN_SETFOCUS) {
    m_announcer->Announce(text);
    return;
  }
  // The display names itself before its value, after the screen reader has
  // had the focus event: what it says of the focus would cut this short.
  QMetaObject::invokeMethod(
      m_announcer,
      [announcer = m_announcer, text = m_ctlDisplay->accessibleName() + QLatin1Char(' ') + text] {
        announcer->Announce(text);
      },
      Qt::QueuedConnection);
}

bool CCalcDlg::eventFilter(QObject* watched, QEvent* event) {
  // The description is set as the focus arrives, before the screen reader
  // asks for it, and costs nothing while the user types.
  if (event->type() == QEvent::FocusIn) {
    if (watched == m_ctlTape) {
      m_ctlTape->setAccessibleDescription(
          QString::fromStdString(TapeLastResult(m_calculator.Engine().State().m_strTape)));
    } else if (watched == m_ctlMemoryList) {
      const int row = m_ctlMemoryList->SelectedRow();
      m_ctlMemoryList->setAccessibleDescription(
          QString::fromStdString(SpokenMemoryRow(m_ctlMemoryList->RowText(row))));
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace varuno
