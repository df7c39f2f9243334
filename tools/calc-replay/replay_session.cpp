#include "replay_session.h"

namespace varuno::replay {

void ReplaySession::Run(const ReplayCommand& command) {
  switch (command.kind) {
    case ReplayKind::Click:
      // A click the table does not handle (the close button, the tape, the
      // display, the list) goes to the window's default handling, which
      // changes none of the surfaces; the session goes on after a close.
      DispatchCommand(BN_CLICKED, command.value, m_context);
      break;
    case ReplayKind::Select:
      m_view.MemoryList().SelectRow(command.value);
      break;
    case ReplayKind::FocusDisplay:
      DispatchCommand(EN_SETFOCUS, IDC_DISPLAY, m_context);
      break;
    case ReplayKind::BlurDisplay:
      DispatchCommand(EN_KILLFOCUS, IDC_DISPLAY, m_context);
      break;
    case ReplayKind::Skip:
    case ReplayKind::Bad:
      break;
  }
}

}  // namespace varuno::replay
