// The command table: each (notification, control) pair runs exactly its
// operation with its argument; everything else is left to the window.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "command_table.h"
#include "display_focus.h"
#include "key_script.h"

namespace varuno::test {
namespace {

// Counts the window operations the table asks for.
class RecordingWindow final : public WindowCommands {
 public:
  void OnMinimize() override { calls += "minimize;"; }
  void OnHomepageLogo() override { calls += "logo;"; }
  void OnHomepageLink() override { calls += "link;"; }
  void OnAboutButton() override { calls += "about;"; }
  std::string calls;
};

struct Rig {
  Calculator calc;
  RecordingWindow window;
  CommandContext context{calc.engine, calc.memory, calc.view, window};

  // A state with something in every field: a list with a value row
  // selected, a pending addition and a negative entry with a fraction.
  void Prepare() {
    calc.Press("5M C3M");
    calc.view.List().SelectRow(0);
    calc.Press("12+3.5S");
  }
};

// Everything a command could change.
struct Snapshot {
  std::string display, tape;
  std::vector<std::string> rows;
  int selected;
  CalcState state;

  explicit Snapshot(const Calculator& calc)
      : display(calc.view.DisplayText()),
        tape(calc.view.TapeText()),
        rows(calc.view.List().Rows()),
        selected(calc.view.List().SelectedRow()),
        state(calc.engine.State()) {}
};

void ExpectSame(const Snapshot& a, const Snapshot& b) {
  EXPECT_EQ(a.display, b.display);
  EXPECT_EQ(a.tape, b.tape);
  EXPECT_EQ(a.rows, b.rows);
  EXPECT_EQ(a.selected, b.selected);
  EXPECT_EQ(a.state.m_strEntry, b.state.m_strEntry);
  EXPECT_EQ(a.state.m_strTape, b.state.m_strTape);
  EXPECT_EQ(a.state.m_bNegative, b.state.m_bNegative);
  EXPECT_EQ(a.state.m_nPhase, b.state.m_nPhase);
  EXPECT_EQ(a.state.m_dAccum, b.state.m_dAccum);
  EXPECT_EQ(a.state.m_dOperand, b.state.m_dOperand);
  EXPECT_EQ(a.state.m_chOp, b.state.m_chOp);
  EXPECT_EQ(a.state.m_chPrevOp, b.state.m_chPrevOp);
}

struct CommandCase {
  Notification notification;
  int id;
  CommandKind kind;
  int arg;
  void (*direct)(Calculator&);  // the operation itself, called without the table
  const char* windowCalls;      // what the window is asked to do
};

void PrintTo(const CommandCase& c, std::ostream* os) {
  *os << "notification " << c.notification << ", control " << c.id;
}

#define ENGINE(call) [](Calculator& c) { c.call; }
#define NOTHING [](Calculator&) {}

const CommandCase kCommands[] = {
    {BN_CLICKED, 1001, CommandKind::ClearEntry, 0, ENGINE(engine.OnClearEntry()), ""},
    {BN_CLICKED, 1002, CommandKind::EntryKey, -9999, ENGINE(engine.OnEntryKey(-9999)), ""},
    {BN_CLICKED, 1003, CommandKind::EntryKey, -1, ENGINE(engine.OnEntryKey(-1)), ""},
    {BN_CLICKED, 1004, CommandKind::ClearAll, 0, ENGINE(engine.OnClearAll()), ""},
    {BN_CLICKED, 1006, CommandKind::Operator, '/', ENGINE(engine.OnOperator('/')), ""},
    {BN_CLICKED, 1007, CommandKind::MemoryDelete, 0, ENGINE(memory.OnMemoryDelete()), ""},
    {BN_CLICKED, 1008, CommandKind::EntryKey, 7, ENGINE(engine.OnEntryKey(7)), ""},
    {BN_CLICKED, 1009, CommandKind::EntryKey, 8, ENGINE(engine.OnEntryKey(8)), ""},
    {BN_CLICKED, 1010, CommandKind::EntryKey, 9, ENGINE(engine.OnEntryKey(9)), ""},
    {BN_CLICKED, 1011, CommandKind::Operator, '*', ENGINE(engine.OnOperator('*')), ""},
    {BN_CLICKED, 1012, CommandKind::MemoryClear, 0, ENGINE(memory.OnMemoryClear()), ""},
    {BN_CLICKED, 1013, CommandKind::EntryKey, 4, ENGINE(engine.OnEntryKey(4)), ""},
    {BN_CLICKED, 1014, CommandKind::EntryKey, 5, ENGINE(engine.OnEntryKey(5)), ""},
    {BN_CLICKED, 1015, CommandKind::EntryKey, 6, ENGINE(engine.OnEntryKey(6)), ""},
    {BN_CLICKED, 1016, CommandKind::Operator, '-', ENGINE(engine.OnOperator('-')), ""},
    {EN_SETFOCUS, 1022, CommandKind::DisplaySetFocus, 0, [](Calculator& c) { OnDisplaySetFocus(c.view); }, ""},
    {EN_KILLFOCUS, 1022, CommandKind::DisplayKillFocus, 0, [](Calculator& c) { OnDisplayKillFocus(c.view); }, ""},
    {BN_CLICKED, 1023, CommandKind::EntryKey, 1, ENGINE(engine.OnEntryKey(1)), ""},
    {BN_CLICKED, 1024, CommandKind::EntryKey, 2, ENGINE(engine.OnEntryKey(2)), ""},
    {BN_CLICKED, 1025, CommandKind::EntryKey, 3, ENGINE(engine.OnEntryKey(3)), ""},
    {BN_CLICKED, 1026, CommandKind::Operator, '+', ENGINE(engine.OnOperator('+')), ""},
    {BN_CLICKED, 1027, CommandKind::MemoryAdd, 0, ENGINE(memory.OnMemoryAdd()), ""},
    {BN_CLICKED, 1028, CommandKind::EntryKey, 0, ENGINE(engine.OnEntryKey(0)), ""},
    {BN_CLICKED, 1029, CommandKind::EntryKey, 100, ENGINE(engine.OnEntryKey(100)), ""},
    {BN_CLICKED, 1030, CommandKind::EntryKey, 9999, ENGINE(engine.OnEntryKey(9999)), ""},
    {BN_CLICKED, 1032, CommandKind::Equals, 0, ENGINE(engine.OnEquals()), ""},
    {BN_CLICKED, 1033, CommandKind::Minimize, 0, NOTHING, "minimize;"},
    {BN_CLICKED, 1034, CommandKind::HomepageLogo, 0, NOTHING, "logo;"},
    {BN_CLICKED, 1035, CommandKind::HomepageLink, 0, NOTHING, "link;"},
    {BN_CLICKED, 1036, CommandKind::AboutBox, 0, NOTHING, "about;"},
};

#undef ENGINE
#undef NOTHING

class CommandTableTest : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandTableTest, PairRunsItsOperationWithItsArgument) {
  const CommandCase& c = GetParam();
  const CommandEntry* entry = FindCommand(c.notification, c.id);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->kind, c.kind);
  EXPECT_EQ(entry->arg, c.arg);

  // Dispatching must do what calling the operation directly does, from the
  // start state and from a state with something in every field.
  for (const bool prepared : {false, true}) {
    SCOPED_TRACE(prepared ? "prepared state" : "start state");
    Rig dispatched;
    Rig direct;
    if (prepared) {
      dispatched.Prepare();
      direct.Prepare();
    }
    EXPECT_TRUE(DispatchCommand(c.notification, c.id, dispatched.context));
    c.direct(direct.calc);
    ExpectSame(Snapshot(dispatched.calc), Snapshot(direct.calc));
    EXPECT_EQ(dispatched.window.calls, c.windowCalls);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CommandTableTest, testing::ValuesIn(kCommands));

TEST(CommandTableTest, HoldsTheseEntriesAndNoOthers) {
  ASSERT_EQ(CommandTable().size(), std::size(kCommands));
  for (const CommandEntry& entry : CommandTable()) {
    int matches = 0;
    for (const CommandCase& c : kCommands) {
      matches += entry.notification == c.notification && entry.controlId == c.id ? 1 : 0;
    }
    EXPECT_EQ(matches, 1) << entry.controlId;
  }
}

struct UnhandledCase {
  Notification notification;
  int id;
};

void PrintTo(const UnhandledCase& c, std::ostream* os) {
  *os << "notification " << c.notification << ", control " << c.id;
}

std::vector<UnhandledCase> UnhandledCases() {
  std::vector<UnhandledCase> cases = {
      // The close button is the window's own; the tape, display and list
      // report nothing the table handles.
      {BN_CLICKED, IDCANCEL}, {BN_CLICKED, IDOK}, {BN_CLICKED, 1020}, {BN_CLICKED, 1022},
      {BN_CLICKED, 1038},
      // IDs no control has, and IDs that would alias a control if they were
      // cut to 16 bits.
      {BN_CLICKED, 0}, {BN_CLICKED, 1039}, {BN_CLICKED, 57670}, {BN_CLICKED, 65535},
      {BN_CLICKED, -1}, {BN_CLICKED, 1008 + 65536}, {EN_SETFOCUS, 1022 + 65536},
      // Focus notifications of anything but the display; other edit
      // notifications of the display.
      {EN_SETFOCUS, 1020}, {EN_KILLFOCUS, 1038}, {EN_SETFOCUS, 1026}, {0x0300, 1022},
      {BN_CLICKED + 1, 1022}};
  for (const ControlId unused : kUnusedControlIds) {
    cases.push_back({BN_CLICKED, unused});
  }
  // Only clicks of the buttons are routed: a double-click runs nothing.
  for (const CommandCase& c : kCommands) {
    if (c.notification == BN_CLICKED) {
      cases.push_back({BN_DOUBLECLICKED, c.id});
    }
  }
  return cases;
}

class UnhandledCommandTest : public testing::TestWithParam<UnhandledCase> {};

TEST_P(UnhandledCommandTest, IsLeftToTheWindowAndChangesNothing) {
  Rig rig;
  rig.Prepare();
  const Snapshot before(rig.calc);
  EXPECT_EQ(FindCommand(GetParam().notification, GetParam().id), nullptr);
  EXPECT_FALSE(DispatchCommand(GetParam().notification, GetParam().id, rig.context));
  ExpectSame(Snapshot(rig.calc), before);
  EXPECT_EQ(rig.window.calls, "");
}

INSTANTIATE_TEST_SUITE_P(Pairs, UnhandledCommandTest, testing::ValuesIn(UnhandledCases()));

TEST(CommandTableTest, ClearAndClearEntryNeverTouchTheList) {
  for (const int id : {IDC_BTN_C, IDC_BTN_CE}) {
    Rig rig;
    rig.Prepare();
    const auto rows = rig.calc.view.List().Rows();
    ASSERT_EQ(rows.size(), 4u);
    DispatchCommand(BN_CLICKED, id, rig.context);
    DispatchCommand(BN_CLICKED, id, rig.context);
    EXPECT_EQ(rig.calc.view.List().Rows(), rows) << id;
    EXPECT_EQ(rig.calc.view.List().SelectedRow(), 0) << id;
  }
}

struct FocusCase {
  const char* keys;      // typed before the focus arrives
  const char* focused;   // display while it has the focus
  const char* typedInFocus;  // keys typed while it has the focus
  const char* left;      // display after the focus has gone
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << '"' << c.keys << '"'; }

class DisplayFocusTest : public testing::TestWithParam<FocusCase> {};

TEST_P(DisplayFocusTest, ChangesOnlyTheDisplayText) {
  Rig rig;
  rig.Prepare();
  rig.calc.Press("C");
  rig.calc.Press(GetParam().keys);
  const Snapshot before(rig.calc);

  ASSERT_TRUE(DispatchCommand(EN_SETFOCUS, IDC_DISPLAY, rig.context));
  EXPECT_EQ(rig.calc.view.DisplayText(), GetParam().focused);
  rig.calc.Press(GetParam().typedInFocus);
  const Snapshot typed(rig.calc);
  ASSERT_TRUE(DispatchCommand(EN_KILLFOCUS, IDC_DISPLAY, rig.context));
  EXPECT_EQ(rig.calc.view.DisplayText(), GetParam().left);

  // Apart from the display text, nothing differs from before the focus
  // passed through (or from the state the keys typed in focus left).
  Snapshot after(rig.calc);
  after.display = typed.display;
  ExpectSame(after, typed);
  if (std::string(GetParam().typedInFocus).empty()) {
    after.display = before.display;
    ExpectSame(after, before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayFocusTest,
    testing::Values(
        FocusCase{"1234567.5", "1234567.5", "", "1,234,567.5"},
        FocusCase{"12.50", "12.50", "", "12.5"},
        FocusCase{"0.", "0.", "", "0"},
        FocusCase{"1234S", "-1234", "", "-1,234"},
        FocusCase{"123456789", "123456789", "", "123,456,789"},
        FocusCase{"12+3=", "15", "", "15"},
        // A key typed while the display has the focus writes grouped text
        // again; leaving reads it whole, not up to the first comma.
        FocusCase{"123", "123", "4", "1,234"}));

TEST(DisplayFocusTest, NextKeyRendersTheDisplayFromTheEntryAgain) {
  Rig rig;
  rig.calc.Press("12.50");
  DispatchCommand(EN_SETFOCUS, IDC_DISPLAY, rig.context);
  DispatchCommand(EN_KILLFOCUS, IDC_DISPLAY, rig.context);
  ASSERT_EQ(rig.calc.view.DisplayText(), "12.5");
  EXPECT_EQ(rig.calc.engine.State().m_strEntry, "12.50");
  rig.calc.Press("7");
  EXPECT_EQ(rig.calc.view.DisplayText(), "12.507");
}

}  // namespace
}  // namespace varuno::test
