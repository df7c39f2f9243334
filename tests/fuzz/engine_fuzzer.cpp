// Turns bytes into commands for the calculator (clicks through the command
// table, display focus changes, memory-list row selection, undo and redo)
// and checks after
// each one that the state and the three surfaces are consistent. Any
// violation aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dispatch/calculator.h"
#include "engine/number_format.h"
#include "engine/text_view.h"

namespace varuno {
namespace {

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "invariant violated: %s\n  %.*s\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

void Check(bool ok, const char* what, std::string_view detail = {}) {
  if (!ok) {
    Fail(what, detail);
  }
}

// Every control of the window, and a few IDs no control has.
constexpr int kIds[] = {2,    1001, 1002, 1003, 1004, 1006, 1007, 1008, 1009, 1010, 1011,
                        1012, 1013, 1014, 1015, 1016, 1020, 1022, 1023, 1024, 1025, 1026,
                        1027, 1028, 1029, 1030, 1032, 1033, 1034, 1035, 1036, 1038, 0,
                        1,    1005, 1037, 1039, 66544};
constexpr std::size_t kIdCount = sizeof(kIds) / sizeof(kIds[0]);

constexpr Notification kNotifications[] = {BN_CLICKED, BN_DOUBLECLICKED, EN_SETFOCUS,
                                           EN_KILLFOCUS};

struct Harness {
  TextView view;
  Calculator calculator{view};
  const CalcEngine& engine = calculator.Engine();
  // The tape view is empty from the start and after C until the next key
  // that refreshes the tape.
  bool tapeCleared = true;

  void Command(Notification notification, int id) {
    const CommandEntry* entry = FindCommand(notification, id);
    const bool handled = calculator.Dispatch(notification, id);
    Check(handled == (entry != nullptr), "Dispatch disagrees with FindCommand");
    if (entry == nullptr) {
      return;
    }
    switch (entry->kind) {
      case CommandKind::ClearAll:
        tapeCleared = true;
        break;
      case CommandKind::EntryKey:
      case CommandKind::ClearEntry:
      case CommandKind::Operator:
      case CommandKind::Equals:
        tapeCleared = false;
        break;
      default:
        break;
    }
    if (entry->kind == CommandKind::EntryKey) {
      // Entry keys always show the entry, with its sign.
      const std::string expected =
          (engine.State().m_bNegative ? "-" : "") + engine.RenderEntry();
      Check(view.DisplayText() == expected, "display after an entry key", view.DisplayText());
    }
  }

  void CheckEntry() const {
    const std::string& entry = engine.State().m_strEntry;
    Check(entry.size() <= 15, "entry longer than 15 characters", entry);
    int points = 0;
    for (const char ch : entry) {
      Check((ch >= '0' && ch <= '9') || ch == '.', "entry holds other than digits and a point",
            entry);
      points += ch == '.' ? 1 : 0;
    }
    Check(points <= 1, "entry holds more than one point", entry);
    const CalcState& s = engine.State();
    Check(s.m_nPhase == PHASE_FIRST || s.m_nPhase == PHASE_SECOND, "phase out of range");
    Check(s.m_chOp == 0 || s.m_chOp == '+' || s.m_chOp == '-' || s.m_chOp == '*' ||
              s.m_chOp == '/',
          "pending operator out of range");
    Check(s.m_bNegative == 0 || s.m_bNegative == 1, "sign flag out of range");
  }

  void CheckTape() const {
    if (tapeCleared) {
      Check(view.TapeText().empty(), "tape view not empty after C", view.TapeText());
      return;
    }
    const std::string pending = engine.PendingLine();
    Check(view.CommittedTape() == engine.State().m_strTape, "tape view differs from the tape",
          view.CommittedTape());
    Check(view.PendingLine() == pending, "pending line differs", view.PendingLine());
    Check(pending.size() >= 2 && pending.compare(pending.size() - 2, 2, "\r\n") == 0 &&
              pending.find('\n') == pending.size() - 1,
          "pending line is not one line", pending);
    Check(ColumnWidth(pending) >= kTapeWidth + 2, "pending line narrower than the tape", pending);
  }

  void CheckList() const {
    const auto& rows = view.List().Rows();
    const int selected = view.List().SelectedRow();
    Check(selected >= -1 && selected < static_cast<int>(rows.size()), "selection out of range");
    if (rows.empty()) {
      return;
    }
    Check(rows.size() >= 3, "list has a value row without rule and total");
    const std::size_t values = rows.size() - 2;
    Check(rows[values] == kMemoryRuleRow, "rule row missing", rows[values]);
    double sum = 0.0;
    for (std::size_t i = 0; i < values; ++i) {
      Check(rows[i] != kMemoryRuleRow, "rule among the value rows", rows[i]);
      Check(ColumnWidth(rows[i]) >= kMemoryRowWidth, "value row narrower than the list",
            rows[i]);
      const double value = ParseLeadingNumber(StripCommas(rows[i]));
      Check(value != 0.0, "zero kept in the list", rows[i]);
      sum += value;
    }
    const std::string& total = rows[values + 1];
    Check(total.rfind(kMemoryTotalLabel, 0) == 0, "total row without its label", total);
    const std::string number = total.substr(kMemoryTotalLabel.size());
    Check(number == PadLeft(FormatNumber(sum), kMemoryRowWidth - ColumnWidth(kMemoryTotalLabel)),
          "total is not the sum of the value rows", total);
  }
};

}  // namespace
}  // namespace varuno

// Each byte is one command; a few take the next byte as their argument.
//   0x00-0xBF  click on one of the IDs above
//   0xC0-0xDF  select row (byte - 0xD0), -16 to 15
//   0xE0-0xED  select the row that many above the last one (the total, the rule, ...)
//   0xEE, 0xEF undo, redo
//   0xF0-0xFF  the next byte picks an ID and this byte a notification for it
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace varuno;
  Harness h;
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t byte = data[i];
    if (byte < 0xC0) {
      h.Command(BN_CLICKED, kIds[byte % kIdCount]);
    } else if (byte < 0xE0) {
      h.view.MemoryList().SelectRow(static_cast<int>(byte) - 0xD0);
    } else if (byte < 0xEE) {
      h.view.MemoryList().SelectRow(h.view.MemoryList().RowCount() - 1 - (byte - 0xE0));
    } else if (byte < 0xF0) {
      if (byte == 0xEE ? h.calculator.Undo() : h.calculator.Redo()) {
        // Back to a state after C, or after a key: the view shows which.
        h.tapeCleared = h.view.TapeText().empty();
      }
    } else {
      if (++i == size) {
        break;
      }
      h.Command(kNotifications[byte % 4], kIds[data[i] % kIdCount]);
    }
    h.CheckEntry();
    h.CheckTape();
    h.CheckList();
  }
  return 0;
}
