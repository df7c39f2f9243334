#include "dispatch/calculator.h"

#include "dispatch/spoken_result.h"
#include "engine/display_focus.h"

namespace varuno {

bool Calculator::Dispatch(Notification notification, int controlId) {
  const CommandEntry* entry = FindCommand(notification, controlId);
  if (entry == nullptr) {
    return false;
  }
  const SpeechBefore before{m_view.DisplayText(), m_engine.State().m_strTape.size(),
                            m_view.MemoryList().RowCount()};
  switch (entry->kind) {
    case CommandKind::EntryKey: m_engine.OnEntryKey(entry->arg); break;
    case CommandKind::ClearEntry: m_engine.OnClearEntry(); break;
    case CommandKind::ClearAll: m_engine.OnClearAll(); break;
    case CommandKind::Operator: m_engine.OnOperator(static_cast<char>(entry->arg)); break;
    case CommandKind::Equals: m_engine.OnEquals(); break;
    case CommandKind::MemoryAdd: m_memory.OnMemoryAdd(); break;
    case CommandKind::MemoryDelete: m_memory.OnMemoryDelete(); break;
    case CommandKind::MemoryClear: m_memory.OnMemoryClear(); break;
    case CommandKind::DisplaySetFocus: OnDisplaySetFocus(m_view); break;
    case CommandKind::DisplayKillFocus: OnDisplayKillFocus(m_view); break;
    case CommandKind::Minimize: m_window.OnMinimize(); break;
    case CommandKind::HomepageLogo: m_window.OnHomepageLogo(); break;
    case CommandKind::HomepageLink: m_window.OnHomepageLink(); break;
    case CommandKind::AboutBox: m_window.OnAboutButton(); break;
  }
  m_spoken = SpokenResult(entry->kind, before, m_view, m_engine.State().m_strTape);
  return true;
}

}  // namespace varuno
