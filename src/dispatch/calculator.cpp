#include "dispatch/calculator.h"

#include <algorithm>
#include <utility>

#include "dispatch/spoken_result.h"
#include "engine/display_focus.h"

namespace varuno {

namespace {

// What a command may change; window commands change nothing of the calculator.
struct Reach {
  bool engine = false;
  bool memory = false;
  bool display = false;
};

constexpr Reach ReachOf(CommandKind kind) {
  switch (kind) {
    case CommandKind::EntryKey:
    case CommandKind::ClearEntry:
    case CommandKind::ClearAll:
    case CommandKind::Operator:
    case CommandKind::Equals: return {true, false, true};
    case CommandKind::MemoryAdd:
    case CommandKind::MemoryDelete:
    case CommandKind::MemoryClear: return {false, true, false};
    case CommandKind::DisplaySetFocus:
    case CommandKind::DisplayKillFocus: return {false, false, true};
    case CommandKind::Minimize:
    case CommandKind::HomepageLogo:
    case CommandKind::HomepageLink:
    case CommandKind::AboutBox: return {};
  }
  return {};
}

// The record without its tape, which is never copied.
CalcState FieldsOf(const CalcState& state) {
  CalcState fields;
  fields.m_bNegative = state.m_bNegative;
  fields.m_strEntry = state.m_strEntry;
  fields.m_nPhase = state.m_nPhase;
  fields.m_dAccum = state.m_dAccum;
  fields.m_dOperand = state.m_dOperand;
  fields.m_chOp = state.m_chOp;
  fields.m_chPrevOp = state.m_chPrevOp;
  return fields;
}

}  // namespace

bool Calculator::Dispatch(Notification notification, int controlId) {
  const CommandEntry* entry = FindCommand(notification, controlId);
  if (entry == nullptr) {
    return false;
  }
  const Reach reach = ReachOf(entry->kind);
  const SpeechBefore before{m_view.DisplayText(), m_engine.State().m_strTape.size(),
                            m_view.MemoryList().RowCount()};
  if (!reach.engine && !reach.memory && !reach.display) {
    Run(*entry);  // a window command: nothing to take back
  } else {
    Begin(reach.engine, reach.memory, entry->kind);
    Run(*entry);
    End();
  }
  m_spoken = SpokenResult(entry->kind, before, m_view, m_engine.State().m_strTape);
  return true;
}

void Calculator::DispatchClicks(std::span<const ControlId> clicks) {
  bool engine = false;
  bool memory = false;
  CommandKind kind = CommandKind::EntryKey;
  for (const ControlId id : clicks) {
    if (const CommandEntry* entry = FindCommand(BN_CLICKED, id)) {
      engine = engine || ReachOf(entry->kind).engine;
      memory = memory || ReachOf(entry->kind).memory;
      if (entry->kind == CommandKind::ClearAll || entry->kind == CommandKind::MemoryClear) {
        kind = entry->kind;
      }
    }
  }
  Begin(engine, memory, kind);
  for (const ControlId id : clicks) {
    if (const CommandEntry* entry = FindCommand(BN_CLICKED, id)) {
      Run(*entry);
    }
  }
  End();
  m_spoken = SpokenNumber(m_view.DisplayText());
}

void Calculator::Run(const CommandEntry& entry) {
  switch (entry.kind) {
    case CommandKind::EntryKey: m_engine.OnEntryKey(entry.arg); break;
    case CommandKind::ClearEntry: m_engine.OnClearEntry(); break;
    case CommandKind::ClearAll:
      // The tape view hands over what it showed before the action, for an
      // undo to give back; once a key of the same action changed it, the
      // undo rebuilds it from the tape instead.
      if (m_depth == 1 && !m_before.tapeTouched) {
        m_before.keptTape = m_view.TakeTape();
      }
      m_engine.OnClearAll();
      break;
    case CommandKind::Operator: m_engine.OnOperator(static_cast<char>(entry.arg)); break;
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
  if (ReachOf(entry.kind).engine) {
    m_tapeShown = entry.kind != CommandKind::ClearAll;
    m_before.tapeTouched = true;
  }
}

std::vector<std::string> Calculator::Rows() {
  ListSurface& list = m_view.MemoryList();
  std::vector<std::string> rows(static_cast<std::size_t>(std::max(list.RowCount(), 0)));
  for (std::size_t row = 0; row < rows.size(); ++row) {
    rows[row] = list.RowText(static_cast<int>(row));
  }
  return rows;
}

void Calculator::Begin(bool engine, bool memory, CommandKind kind) {
  if (m_depth++ > 0) {
    return;  // within an action already begun
  }
  m_before = Before{};
  m_before.kind = kind == CommandKind::ClearAll      ? StepKind::ClearAll
                  : kind == CommandKind::MemoryClear ? StepKind::MemoryClear
                                                     : StepKind::Plain;
  m_before.engine = engine;
  m_before.memory = memory;
  if (engine) {
    m_before.fields = FieldsOf(m_engine.State());
    m_before.tapeShown = m_tapeShown;
    m_engine.WatchTape();
  }
  if (memory) {
    m_before.rows = Rows();
  }
  m_before.display = m_view.DisplayText();
  m_before.selected = m_view.MemoryList().SelectedRow();
}

void Calculator::End() {
  if (--m_depth > 0) {
    return;
  }
  Before before = std::exchange(m_before, Before{});
  HistoryStep step;
  step.kind = before.kind;

  if (before.engine) {
    CalcEngine::TapeEnd tapeEnd = m_engine.TakeTapeEnd();
    const std::string& tape = m_engine.State().m_strTape;
    const bool tapeChanged = tapeEnd.keep != tape.size() || !tapeEnd.end.empty();
    const bool sameTape = tape.size() - tapeEnd.keep == tapeEnd.end.size() &&
                          tape.compare(tapeEnd.keep, std::string::npos, tapeEnd.end) == 0;
    if ((tapeChanged && !sameTape) || !SameFields(before.fields, m_engine.State()) ||
        before.tapeShown != m_tapeShown) {
      step.engine = true;
      step.fields = std::move(before.fields);
      step.tapeKeep = tapeEnd.keep;
      step.tapeEnd = std::move(tapeEnd.end);
      step.tapeShownBefore = before.tapeShown;
      step.tapeShownAfter = m_tapeShown;
      step.takesTapeView = before.keptTape != nullptr;
      step.keptTape = std::move(before.keptTape);
    }
  }
  if (before.keptTape != nullptr) {
    // A clear that changed nothing: the view gets back what it showed.
    m_view.GiveTape(std::move(before.keptTape));
  }

  std::string display = m_view.DisplayText();
  if (display != before.display) {
    step.display = true;
    step.displayText = std::move(before.display);
  }

  if (before.memory) {
    const std::vector<std::string> rows = Rows();
    const auto [changedBefore, changedAfter] =
        std::mismatch(before.rows.begin(), before.rows.end(), rows.begin(), rows.end());
    if (changedBefore != before.rows.end() || changedAfter != rows.end()) {
      step.memory = true;
      step.rowKeep = static_cast<int>(changedBefore - before.rows.begin());
      step.rows.assign(std::make_move_iterator(changedBefore), std::make_move_iterator(before.rows.end()));
    }
  }
  step.selectedBefore = before.selected;
  step.selectedAfter = m_view.MemoryList().SelectedRow();

  if (step.engine || step.display || step.memory || step.selectedBefore != step.selectedAfter) {
    m_history.Push(std::move(step));
  }
}

bool Calculator::Undo() {
  HistoryStep* step = m_history.Undo();
  if (step == nullptr) {
    return false;
  }
  Exchange(*step, true);
  return true;
}

bool Calculator::Redo() {
  HistoryStep* step = m_history.Redo();
  if (step == nullptr) {
    return false;
  }
  Exchange(*step, false);
  return true;
}

void Calculator::Exchange(HistoryStep& step, bool undo) {
  if (step.engine) {
    m_engine.SwapFields(step.fields);
    m_engine.SwapTapeEnd(step.tapeKeep, step.tapeEnd);
    m_tapeShown = undo ? step.tapeShownBefore : step.tapeShownAfter;
    if (step.takesTapeView && undo) {
      m_view.GiveTape(std::move(step.keptTape));
      m_engine.TapeViewShows(m_tapeShown);
    } else {
      if (step.takesTapeView) {
        step.keptTape = m_view.TakeTape();
        m_engine.TapeViewShows(false);
      }
      if (m_tapeShown) {
        m_engine.RefreshTape();
      } else {
        m_view.ClearTape();
        m_engine.TapeViewShows(false);
      }
    }
  }

  if (step.display) {
    std::string shown = m_view.DisplayText();
    m_view.SetDisplayText(step.displayText);
    step.displayText = std::move(shown);
  }

  ListSurface& list = m_view.MemoryList();
  if (step.memory) {
    std::vector<std::string> shown;
    for (int row = step.rowKeep; row < list.RowCount(); ++row) {
      shown.push_back(list.RowText(row));
    }
    for (int row = list.RowCount() - 1; row >= step.rowKeep; --row) {
      list.DeleteRow(row);
    }
    for (const std::string& row : step.rows) {
      list.AppendRow(row);
    }
    step.rows = std::move(shown);
  }
  const int selected = undo ? step.selectedBefore : step.selectedAfter;
  if (step.memory || list.SelectedRow() != selected) {
    list.SelectRow(selected);
  }
  // The ear hears what came back: the list's total when only the list
  // changed, else the display's value.
  m_spoken = step.memory && !step.engine && !step.display ? SpokenMemoryTotal(list)
                                                          : SpokenNumber(m_view.DisplayText());
}

}  // namespace varuno
