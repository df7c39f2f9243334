// The command table: each (notification, control) pair runs exactly its
// operation with its argument; everything else is left to the window.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "command_table.h"
#include "display_focus.h"
#include "key_script.h"

namespace varuno::test {
namespace {

// Records the window operations the table asks for.
class RecordingWindow final : public WindowCommands {
 public:
  void OnMinimize() override { calls += "minimize;"; }
  void OnHomepageLogo() override { calls += "logo;"; }
  void OnHomepageLink() override { calls += "link;"; }
  void OnAboutButton() override { calls += "about;"; }
  std::string calls;
};

// A calculator with something in every field: a list with a value row
// selected, a pending addition and a negative entry with a fraction.
struct Rig {
  Rig() {
    calc.Press("5M C3M");
    calc.view.List().SelectRow(0);
    calc.Press("12+3.5S");
  }
  Calculator calc;
  RecordingWindow window;
  CommandContext context{calc.engine, calc.memory, calc.view, window};
};

// Everything a command could change.
auto Snapshot(const Calculator& calc) {
  const CalcState& s = calc.engine.State();
  return std::make_tuple(calc.view.DisplayText(), calc.view.TapeText(), calc.view.List().Rows(),
                         calc.view.List().SelectedRow(), s.m_strEntry, s.m_strTape, s.m_bNegative,
                         s.m_nPhase, s.m_dAccum, s.m_dOperand, s.m_chOp, s.m_chPrevOp);
}

struct CommandCase {
  Notification notification;
  int id;
  void (*direct)(Calculator&);  // the operation itself, called without the table
  const char* windowCalls;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
  *os << "notification " << c.notification << ", control " << c.id;
}

#define ENGINE(call) [](Calculator& c) { c.call; }
#define NOTHING [](Calculator&) {}

const CommandCase kCommands[] = {
    {BN_CLICKED, 1001, ENGINE(engine.OnClearEntry()), ""},
    {BN_CLICKED, 1002, ENGINE(engine.OnEntryKey(-9999)), ""},
    {BN_CLICKED, 1003, ENGINE(engine.OnEntryKey(-1)), ""},
    {BN_CLICKED, 1004, ENGINE(engine.OnClearAll()), ""},
    {BN_CLICKED, 1006, ENGINE(engine.OnOperator('/')), ""},
    {BN_CLICKED, 1007, ENGINE(memory.OnMemoryDelete()), ""},
    {BN_CLICKED, 1008, ENGINE(engine.OnEntryKey(7)), ""},
    {BN_CLICKED, 1009, ENGINE(engine.OnEntryKey(8)), ""},
    {BN_CLICKED, 1010, ENGINE(engine.OnEntryKey(9)), ""},
    {BN_CLICKED, 1011, ENGINE(engine.OnOperator('*')), ""},
    {BN_CLICKED, 1012, ENGINE(memory.OnMemoryClear()), ""},
    {BN_CLICKED, 1013, ENGINE(engine.OnEntryKey(4)), ""},
    {BN_CLICKED, 1014, ENGINE(engine.OnEntryKey(5)), ""},
    {BN_CLICKED, 1015, ENGINE(engine.OnEntryKey(6)), ""},
    {BN_CLICKED, 1016, ENGINE(engine.OnOperator('-')), ""},
    {EN_SETFOCUS, 1022, [](Calculator& c) { OnDisplaySetFocus(c.view); }, ""},
    {EN_KILLFOCUS, 1022, [](Calculator& c) { OnDisplayKillFocus(c.view); }, ""},
    {BN_CLICKED, 1023, ENGINE(engine.OnEntryKey(1)), ""},
    {BN_CLICKED, 1024, ENGINE(engine.OnEntryKey(2)), ""},
    {BN_CLICKED, 1025, ENGINE(engine.OnEntryKey(3)), ""},
    {BN_CLICKED, 1026, ENGINE(engine.OnOperator('+')), ""},
    {BN_CLICKED, 1027, ENGINE(memory.OnMemoryAdd()), ""},
    {BN_CLICKED, 1028, ENGINE(engine.OnEntryKey(0)), ""},
    {BN_CLICKED, 1029, ENGINE(engine.OnEntryKey(100)), ""},
    {BN_CLICKED, 1030, ENGINE(engine.OnEntryKey(9999)), ""},
    {BN_CLICKED, 1032, ENGINE(engine.OnEquals()), ""},
    {BN_CLICKED, 1033, NOTHING, "minimize;"},
    {BN_CLICKED, 1034, NOTHING, "logo;"},
    {BN_CLICKED, 1035, NOTHING, "link;"},
    {BN_CLICKED, 1036, NOTHING, "about;"},
};

#undef ENGINE
#undef NOTHING

class CommandTableTest : public testing::TestWithParam<CommandCase> {};

// Dispatching does what calling the operation directly does.
TEST_P(CommandTableTest, PairRunsItsOperationWithItsArgument) {
  const CommandCase& c = GetParam();
  Rig dispatched;
  Rig direct;
  EXPECT_TRUE(DispatchCommand(c.notification, c.id, dispatched.context));
  c.direct(direct.calc);
  EXPECT_EQ(Snapshot(dispatched.calc), Snapshot(direct.calc));
  EXPECT_EQ(dispatched.window.calls, c.windowCalls);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandTableTest, testing::ValuesIn(kCommands));

TEST(CommandTableTest, OtherPairsAreLeftToTheWindowAndChangeNothing) {
  std::vector<std::pair<Notification, int>> pairs = {
      // The close button is the window's own; the tape, display and list
      // report nothing the table handles.
      {BN_CLICKED, IDCANCEL}, {BN_CLICKED, IDOK}, {BN_CLICKED, 1020}, {BN_CLICKED, 1022},
      {BN_CLICKED, 1038},
      // IDs no control has, and IDs that would alias a control if cut to 16 bits.
      {BN_CLICKED, 0}, {BN_CLICKED, 1039}, {BN_CLICKED, -1}, {BN_CLICKED, 1008 + 65536},
      {EN_SETFOCUS, 1022 + 65536},
      // Focus notifications of anything but the display, and other ones of it.
      {EN_SETFOCUS, 1026}, {EN_KILLFOCUS, 1038}, {0x0300, 1022}};
  for (const ControlId unused : kUnusedControlIds) {
    pairs.emplace_back(BN_CLICKED, unused);
  }
  // Only clicks are routed: a double-click runs nothing.
  for (const CommandCase& c : kCommands) {
    if (c.notification == BN_CLICKED) {
      pairs.emplace_back(BN_DOUBLECLICKED, c.id);
    }
  }
  Rig rig;
  const auto before = Snapshot(rig.calc);
  for (const auto& [notification, id] : pairs) {
    EXPECT_FALSE(DispatchCommand(notification, id, rig.context)) << notification << ", " << id;
  }
  EXPECT_EQ(Snapshot(rig.calc), before);
  EXPECT_EQ(rig.window.calls, "");
}

TEST(CommandTableTest, ClearAndClearEntryNeverTouchTheList) {
  for (const int id : {IDC_BTN_C, IDC_BTN_CE}) {
    Rig rig;
    const auto rows = rig.calc.view.List().Rows();
    DispatchCommand(BN_CLICKED, id, rig.context);
    DispatchCommand(BN_CLICKED, id, rig.context);
    EXPECT_EQ(rig.calc.view.List().Rows(), rows) << id;
    EXPECT_EQ(rig.calc.view.List().SelectedRow(), 0) << id;
  }
}

struct FocusCase {
  const char* keys;     // typed before the focus arrives
  const char* focused;  // display while it has the focus
  const char* typedInFocus;
  const char* left;     // display after the focus has gone
  const char* next;     // display after one more "7"
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << '"' << c.keys << '"'; }

class DisplayFocusTest : public testing::TestWithParam<FocusCase> {};

TEST_P(DisplayFocusTest, ChangesOnlyTheDisplayText) {
  const FocusCase& c = GetParam();
  Rig rig;
  rig.calc.Press("C");
  rig.calc.Press(c.keys);
  ASSERT_TRUE(DispatchCommand(EN_SETFOCUS, IDC_DISPLAY, rig.context));
  EXPECT_EQ(rig.calc.view.DisplayText(), c.focused);
  rig.calc.Press(c.typedInFocus);
  const auto typed = Snapshot(rig.calc);
  ASSERT_TRUE(DispatchCommand(EN_KILLFOCUS, IDC_DISPLAY, rig.context));
  EXPECT_EQ(rig.calc.view.DisplayText(), c.left);

  // Apart from the display text, nothing differs; the next key renders the
  // display from the entry again.
  auto after = Snapshot(rig.calc);
  std::get<0>(after) = std::get<0>(typed);
  EXPECT_EQ(after, typed);
  rig.calc.Press("7");
  EXPECT_EQ(rig.calc.view.DisplayText(), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayFocusTest,
    testing::Values(
        FocusCase{"1234567.5", "1234567.5", "", "1,234,567.5", "1,234,567.57"},
        FocusCase{"12.50", "12.50", "", "12.5", "12.507"},
        FocusCase{"1234S", "-1234", "", "-1,234", "-12,347"},
        // A key typed while the display has the focus writes grouped text
        // again; leaving reads it whole, not up to the first comma.
        FocusCase{"123", "123", "4", "1,234", "12,347"}));

}  // namespace
}  // namespace varuno::test
