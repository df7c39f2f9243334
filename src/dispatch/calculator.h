// The calculator without its window: the engine and the memory list on one
// CalcView, driven through the command table. The main window, the replay
// tool, the fuzzer and the tests all run the calculator through this one
// object, so a click takes the same road everywhere.
#pragma once

#include <string>

#include "dispatch/command_table.h"
#include "engine/calc_engine.h"
#include "engine/calc_view.h"
#include "memory/memory_list.h"

namespace varuno {

// The commands that only the window can carry out.
class WindowCommands {
 public:
  virtual ~WindowCommands() = default;
  virtual void OnMinimize() = 0;
  virtual void OnHomepageLogo() = 0;
  virtual void OnHomepageLink() = 0;
  virtual void OnAboutButton() = 0;
};

class Calculator {
 public:
  // Without a window: minimising, the homepage and the About box do nothing.
  explicit Calculator(CalcView& view) : Calculator(view, m_noWindow) {}
  // `view` and `window` must outlive the calculator.
  Calculator(CalcView& view, WindowCommands& window)
      : m_view(view), m_window(window), m_engine(view), m_memory(view) {}

  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // Runs the command table's entry for the pair. Returns false when the
  // table has none; the caller then applies its default (the close button's
  // ID ends the program, everything else is dropped).
  bool Dispatch(Notification notification, int controlId);

  const CalcEngine& Engine() const { return m_engine; }
  // What a screen reader is to hear after the last command Dispatch ran
  // (SpokenResult); empty when it produced nothing to hear.
  const std::string& Spoken() const { return m_spoken; }
  // The memory list's rows, as the view shows them.
  ListSurface& MemoryList() { return m_view.MemoryList(); }

 private:
  class NoWindow final : public WindowCommands {
   public:
    void OnMinimize() override {}
    void OnHomepageLogo() override {}
    void OnHomepageLink() override {}
    void OnAboutButton() override {}
  };

  NoWindow m_noWindow;
  CalcView& m_view;
  WindowCommands& m_window;
  CalcEngine m_engine;
  varuno::MemoryList m_memory;
  std::string m_spoken;
};

}  // namespace varuno
