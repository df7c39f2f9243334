// The calculator as the main window holds it, without the window, on
// in-memory view surfaces.
#pragma once

#include <string>

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
  // What a screen reader hears after the last command run; empty when it
  // produced nothing to hear or did nothing.
  const std::string& Spoken() const { return m_spoken; }

 private:
  TextView m_view;
  // Minimising, the homepage and the About box belong to the window; here
  // they leave every surface as it is.
  Calculator m_calculator{m_view};
  std::string m_spoken;
};

}  // namespace varuno::replay
