// Undo and redo through the calculator: random actions of every kind, each
// state recorded, then every action undone and redone with each state
// checked byte for byte; and the history's bounds on long runs.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "dispatch/paste_clicks.h"
#include "key_script.h"

namespace varuno::test {
namespace {

// Everything the calculator holds, as the user and the engine see it.
struct Snapshot {
  std::string display;
  std::string tapeView;
  std::vector<std::string> rows;
  int selected = -1;
  CalcState state;

  // With `whole` false the tape and the tape view are kept as their
  // length and hash only, for runs too long to keep every tape.
  static Snapshot Of(const Calculator& calc, bool whole = true) {
    Snapshot s{calc.view.DisplayText(), calc.view.TapeText(), calc.view.List().Rows(),
               calc.view.List().SelectedRow(), calc.engine.State()};
    if (!whole) {
      s.tapeView = Digest(s.tapeView);
      s.state.m_strTape = Digest(s.state.m_strTape);
    }
    return s;
  }

  static std::string Digest(const std::string& text) {
    return std::to_string(text.size()) + ":" + std::to_string(std::hash<std::string>{}(text));
  }


  bool operator==(const Snapshot& other) const {
    return display == other.display && tapeView == other.tapeView && rows == other.rows &&
           selected == other.selected && state.m_strTape == other.state.m_strTape &&
           SameFields(state, other.state);
  }
};

void PrintTo(const Snapshot& s, std::ostream* out) {
  *out << "display \"" << s.display << "\", entry \"" << s.state.m_strEntry << "\", "
       << s.rows.size() << " rows, selected " << s.selected << ", tape view of "
       << s.tapeView.size() << " bytes";
}

// Texts a paste may bring: numbers the entry takes, and texts it refuses.
const std::vector<std::string> kPasteTexts = {
    "1,234.50", " -7 ", "−0.25", "0", "99999999999999", "12.", "abc", "1 2", "", "-0.000",
};

// Random actions of every kind: clicks on every control ID (the close
// button and the unused IDs included), other notifications, display focus
// changes, pastes and other groups of clicks run as one action, and now
// and then a row selected in the memory list
// between them, which is no action of its own.
class RandomActions {
 public:
  explicit RandomActions(unsigned seed) : m_random(seed) {}

  // C and memory clear can be left out, for runs that must keep the last ones.
  bool clears = true;

  void MaybeSelect(Calculator& calc) {
    if (Pick(4) == 0) {
      const int rows = calc.view.List().RowCount();
      calc.calculator.MemoryList().SelectRow(static_cast<int>(Pick(static_cast<unsigned>(rows) + 2)) - 1);
    }
  }

  void Act(Calculator& calc) {
    const unsigned what = Pick(100);
    if (what == 5) {
      // Several clicks as one action, C and memory clear among them.
      static constexpr std::string_view kGroupKeys = "0123456789+-*/=.SBEMDCK";
      std::vector<ControlId> clicks;
      for (unsigned n = 2 + Pick(3); n > 0; --n) {
        const char key = kGroupKeys[Pick(static_cast<unsigned>(kGroupKeys.size()))];
        if (clears || (key != 'C' && key != 'K')) {
          clicks.push_back(ScriptControl(key));
        }
      }
      calc.calculator.DispatchClicks(clicks);
    } else if (what < 6) {
      const std::string& text = kPasteTexts[Pick(static_cast<unsigned>(kPasteTexts.size()))];
      if (const std::optional<std::vector<ControlId>> clicks = PasteClicks(text)) {
        calc.calculator.DispatchClicks(*clicks);
      }
    } else if (what < 12) {
      calc.calculator.Dispatch(Pick(2) == 0 ? EN_SETFOCUS : EN_KILLFOCUS, IDC_DISPLAY);
    } else if (what < 14) {
      calc.calculator.Dispatch(BN_DOUBLECLICKED, 1001 + static_cast<int>(Pick(38)));
    } else if (what < 16) {
      if (clears) {
        calc.calculator.Dispatch(BN_CLICKED, what == 14 ? IDC_BTN_C : IDC_BTN_MEM_CLEAR);
      }
    } else if (what < 40) {
      const int id = Pick(39) == 0 ? IDCANCEL : 1001 + static_cast<int>(Pick(38));
      if (clears || (id != IDC_BTN_C && id != IDC_BTN_MEM_CLEAR)) {
        calc.calculator.Dispatch(BN_CLICKED, id);
      }
    } else {
      // Keys of a working session, heavy on digits, operators and memory.
      static constexpr std::string_view kKeys = "0123456789012345678.++--*/===MMMDDBSE";
      calc.Press(kKeys.substr(Pick(static_cast<unsigned>(kKeys.size())), 1));
    }
  }

 private:
  unsigned Pick(unsigned bound) { return static_cast<unsigned>(m_random() % bound); }

  std::mt19937 m_random;
};

// Runs random actions until `count` of them have changed something; returns
// the states around each of those.
struct Recorded {
  std::vector<Snapshot> befores;
  std::vector<Snapshot> afters;
};

void RecordActions(Calculator& calc, RandomActions& actions, std::size_t count, Recorded& recorded,
                   bool whole = true) {
  const std::size_t target = recorded.afters.size() + count;
  while (recorded.afters.size() < target) {
    actions.MaybeSelect(calc);
    Snapshot before = Snapshot::Of(calc, whole);
    actions.Act(calc);
    Snapshot after = Snapshot::Of(calc, whole);
    if (!(after == before)) {
      recorded.befores.push_back(std::move(before));
      recorded.afters.push_back(std::move(after));
    }
  }
}

TEST(UndoTest, EveryActionUndoesAndRedoesToItsRecordedStates) {
  for (const unsigned seed : {1U, 2U, 3U, 4U, 5U, 6U}) {
    SCOPED_TRACE(seed);
    Calculator calc;
    RandomActions actions(seed);
    Recorded recorded;
    RecordActions(calc, actions, 900, recorded);
    const std::size_t count = recorded.afters.size();

    // Actions that changed nothing left no step: exactly `count` undos.
    for (std::size_t i = count; i > 0; --i) {
      ASSERT_TRUE(calc.calculator.Undo()) << i;
      ASSERT_EQ(Snapshot::Of(calc), recorded.befores[i - 1]) << "undo of action " << i - 1;
    }
    EXPECT_FALSE(calc.calculator.Undo());
    EXPECT_EQ(Snapshot::Of(calc), recorded.befores.front());
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_TRUE(calc.calculator.Redo()) << i;
      ASSERT_EQ(Snapshot::Of(calc), recorded.afters[i]) << "redo of action " << i;
    }
    EXPECT_FALSE(calc.calculator.Redo());
    EXPECT_EQ(Snapshot::Of(calc), recorded.afters.back());

    // A new action after undos drops what could have been redone.
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(calc.calculator.Undo());
    }
    Recorded branch;
    RecordActions(calc, actions, 1, branch);
    EXPECT_FALSE(calc.calculator.CanRedo());
    ASSERT_TRUE(calc.calculator.Undo());
    EXPECT_EQ(Snapshot::Of(calc), branch.befores.front());
    ASSERT_TRUE(calc.calculator.Undo());
    EXPECT_EQ(Snapshot::Of(calc), recorded.befores[count - 4]);
  }
}

// Beyond the steps kept one by one, older actions are joined, and the last
// C and the last memory clear stay however long ago they were.
TEST(UndoTest, LongRunsKeepTheLastClearsAndJoinOlderActions) {
  struct Case {
    const char* name;
    const char* opening;    // key script played before the random actions
    std::size_t keptFrom;   // its keys before the older of its last C and K
  };
  const Case cases[] = {
      {"memory clear, then C", "12+3=M7MDK45*2=C9+", 9},
      {"C, then memory clear", "5+5=MC8M9MK", 5},
      {"C right at the start", "C123+", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Calculator calc;
    calc.Press("1+2+3+4+5+6+7+8+9=M");
    calc.Press(c.opening);
    RandomActions actions(7);
    actions.clears = false;
    Recorded recorded;
    RecordActions(calc, actions, 2 * ActionHistory::kSteps + 100, recorded, false);
    const Snapshot last = Snapshot::Of(calc, false);

    // Every undo lands on a recorded state, the later ones on each in turn.
    std::size_t at = recorded.befores.size();
    std::size_t undos = 0;
    while (calc.calculator.Undo()) {
      ++undos;
      const Snapshot now = Snapshot::Of(calc, false);
      if (at == 0) {
        continue;  // within the opening
      }
      std::size_t found = at;
      while (found > 0 && !(recorded.befores[found - 1] == now)) {
        --found;
      }
      if (found == 0) {
        at = 0;  // past the random actions, into the opening
        continue;
      }
      if (undos < ActionHistory::kSteps - 10) {
        ASSERT_EQ(found, at) << "undo " << undos << " skipped an action";
      }
      at = found - 1;
    }
    EXPECT_LT(undos, ActionHistory::kSteps + 20);
    // Undoing ends just before the older of the two kept clears.
    Calculator replay;
    replay.Press("1+2+3+4+5+6+7+8+9=M");
    replay.Press(std::string_view(c.opening).substr(0, c.keptFrom));
    EXPECT_EQ(Snapshot::Of(calc, false), Snapshot::Of(replay, false));

    while (calc.calculator.Redo()) {
    }
    EXPECT_EQ(Snapshot::Of(calc, false), last);
  }
}

}  // namespace
}  // namespace varuno::test
