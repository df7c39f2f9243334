// The calculator without its window: the engine and the memory list on one
// CalcView, driven through the command table. The main window, the replay
// tool, the fuzzer and the tests all run the calculator through this one
// object, so a click takes the same road everywhere. It keeps the history of
// what the actions changed, so that each can be undone and redone.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "dispatch/action_history.h"
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
  // Clicks the buttons in turn as one action, undone and redone at once (a
  // pasted number).
  void DispatchClicks(std::span<const ControlId> clicks);

  // Takes back the last action still done: the display, the tape view, the
  // memory rows and their selection and the engine's record are what they
  // were before it. Returns false, changing nothing, when there is none.
  bool Undo();
  // Does again the last action undone, giving exactly what it gave.
  bool Redo();
  bool CanUndo() const { return m_history.CanUndo(); }
  bool CanRedo() const { return m_history.CanRedo(); }

  const CalcEngine& Engine() const { return m_engine; }
  // What a screen reader is to hear after the last command Dispatch ran
  // (SpokenResult), after a run of clicks (the display's value) or after an
  // undo or redo (what came back); empty when it produced nothing to hear.
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

  // What an action may change, as it stood when the action began.
  struct Before {
    StepKind kind = StepKind::Plain;
    bool engine = false;  // the engine may change
    bool memory = false;  // the memory rows may change
    CalcState fields;     // the tape field stays empty
    bool tapeShown = false;
    bool tapeTouched = false;  // an engine command of the action has run
    std::unique_ptr<KeptTape> keptTape;
    std::string display;
    std::vector<std::string> rows;
    int selected = -1;
  };

  void Run(const CommandEntry& entry);
  // An action begins and ends; actions begun within another belong to it.
  void Begin(bool engine, bool memory, CommandKind kind);
  void End();
  // Exchanges the shown side of a step with the side it holds.
  void Exchange(HistoryStep& step, bool undo);
  std::vector<std::string> Rows();

  NoWindow m_noWindow;
  CalcView& m_view;
  WindowCommands& m_window;
  CalcEngine m_engine;
  varuno::MemoryList m_memory;
  ActionHistory m_history;
  // Whether the tape view shows the tape: not at the start, nor after C.
  bool m_tapeShown = false;
  // Actions begun and not yet ended (a paste holds its clicks together).
  int m_depth = 0;
  Before m_before;
  std::string m_spoken;
};

}  // namespace varuno
