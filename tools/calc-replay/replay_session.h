// The calculator as the main window holds it, without the window: engine,
// memory list and command table on in-memory view surfaces.
#pragma once

#include "calc_engine.h"
#include "command_table.h"
#include "memory_list.h"
#include "replay_command.h"
#include "text_view.h"

namespace varuno::replay {

class ReplaySession {
 public:
  ReplaySession() = default;
  ReplaySession(const ReplaySession&) = delete;
  ReplaySession& operator=(const ReplaySession&) = delete;

  // Carries out a click, a row selection or a display focus change, as the
  // window would. Skip and Bad commands change nothing.
  void Run(const ReplayCommand& command);

  const TextView& View() const { return m_view; }

 private:
  // Minimising, the homepage and the About box belong to the window; here
  // they leave every surface as it is.
  using NoWindow = NoWindowCommands;

  TextView m_view;
  CalcEngine m_engine{m_view};
  MemoryList m_memory{m_view};
  NoWindow m_window;
  CommandContext m_context{m_engine, m_memory, m_view, m_window};
};

}  // namespace varuno::replay
