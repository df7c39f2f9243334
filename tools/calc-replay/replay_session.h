// The calculator as the main window holds it, without the window, on
// in-memory view surfaces.
#pragma once

#include "dispatch/calculator.h"
#include "engine/text_view.h"
#include "replay_command.h"

namespace varuno::replay {

class ReplaySession {
 public:
  ReplaySession() = default;
  ReplaySession(const ReplaySession&) = delete;
  ReplaySession& operator=(const ReplaySession&) = delete;

  // Carries out a click, a row selection, a display focus change, an undo
  // or a redo, as the window would. Skip and Bad commands change nothing.
  void Run(const ReplayCommand& command);

  const TextView& View() const { return m_view; }

 private:
  TextView m_view;
  // Minimising, the homepage and the About box belong to the window; here
  // they leave every surface as it is.
  Calculator m_calculator{m_view};
};

}  // namespace varuno::replay
