// The calculator's history of actions, for undo and redo. A step holds only
// what its action changed, and of that only the side not shown now: before
// the action while the step is done, after it while the step is undone. So
// undoing and redoing are the same exchange, and neither copies the tape.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/calc_state.h"
#include "engine/calc_view.h"

namespace varuno {

enum class StepKind : std::uint8_t {
  Plain,
  ClearAll,     // C: empties the tape and the display
  MemoryClear,  // empties the memory list
};

struct HistoryStep {
  StepKind kind = StepKind::Plain;

  // The engine: whether the action changed its record, its tape or the tape
  // view at all; the record's fields but the tape (whose field stays
  // empty); the tape after its first tapeKeep bytes, which the action left.
  bool engine = false;
  CalcState fields;
  std::size_t tapeKeep = 0;
  std::string tapeEnd;
  // Whether the tape view showed the tape (rather than nothing, as after C).
  bool tapeShownBefore = false;
  bool tapeShownAfter = false;
  // The action emptied the tape view, which handed its text over: kept here
  // while the step is done, back in the view while it is undone.
  bool takesTapeView = false;
  std::unique_ptr<KeptTape> keptTape;

  bool display = false;
  std::string displayText;

  // The memory list: its rows after the first rowKeep, which the action left.
  bool memory = false;
  int rowKeep = 0;
  std::vector<std::string> rows;
  int selectedBefore = -1;
  int selectedAfter = -1;
};

// Two steps, older first, both done, as one step that does both.
HistoryStep JoinSteps(HistoryStep older, HistoryStep newer);

class ActionHistory {
 public:
  // At least this many of the last actions can be undone one by one; older
  // ones are joined into fewer steps, or dropped when no step is kept for
  // them: the last C and the last memory clear are always kept.
  static constexpr std::size_t kSteps = 1024;

  bool CanUndo() const { return m_done > 0; }
  bool CanRedo() const { return m_done < m_steps.size(); }
  std::size_t Size() const { return m_steps.size(); }

  // An action was done: what could be redone is dropped.
  void Push(HistoryStep step);
  // The step to undo, now counted as undone; nullptr when there is none.
  HistoryStep* Undo();
  // The step to redo, now counted as done; nullptr when there is none.
  HistoryStep* Redo();

 private:
  void Trim();
  // The last C and the last memory clear, which are kept.
  bool IsKept(std::size_t index) const;
  // Steps first to last became one plain step, or none when first == last:
  // the indices of C and memory clear steps follow.
  void Renumber(std::size_t first, std::size_t last);

  std::deque<HistoryStep> m_steps;
  std::size_t m_done = 0;  // the first m_done steps are done
  // Indices of the C steps and of the memory clear steps, in order.
  std::vector<std::size_t> m_clearAlls;
  std::vector<std::size_t> m_memoryClears;
};

}  // namespace varuno
