#include "replay_session.h"

namespace varuno::replay {

void ReplaySession::Run(const ReplayCommand& command) {
  bool ran = false;
  switch (command.kind) {
    case ReplayKind::Click:
      // A click the table does not handle (the close button, the tape, the
      // display, the list) goes to the window's default handling, which
      // changes none of the surfaces; the session goes on after a close.
      ran = m_calculator.Dispatch(BN_CLICKED, command.value);
      break;
    case ReplayKind::Select:
      m_calculator.MemoryList().SelectRow(command.value);
      break;
    case ReplayKind::FocusDisplay:
      ran = m_calculator.Dispatch(EN_SETFOCUS, IDC_DISPLAY);
      break;
    case ReplayKind::BlurDisplay:
      ran = m_calculator.Dispatch(EN_KILLFOCUS, IDC_DISPLAY);
      break;
    case ReplayKind::Undo:
      ran = m_calculator.Undo();  // with nothing to take back, the state stays
      break;
    case ReplayKind::Redo:
      ran = m_calculator.Redo();
      break;
    case ReplayKind::Skip:
    case ReplayKind::Bad:
      break;
  }
  m_spoken = ran ? m_calculator.Spoken() : std::string();
}

}  // namespace varuno::replay
