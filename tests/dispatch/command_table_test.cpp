// The command table through the calculator's one door: the window's own
// buttons reach the window, pairs outside the table change nothing, and the
// display's focus changes touch only its text. What each calculator button
// does is checked by the engine and memory scenarios, which click through
// the same table.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "dispatch/calculator.h"
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
    Press("5M C3M");
    view.List().SelectRow(0);
    Press("12+3.5S");
  }
  void Press(std::string_view keys) { PressOn(calculator, keys); }
  bool Dispatch(Notification notification, int id) { return calculator.Dispatch(notification, id); }

  TextView view;
  RecordingWindow window;
  varuno::Calculator calculator{view, window};
};

// Everything a command could change.
auto Snapshot(const Rig& rig) {
  const CalcState& s = rig.calculator.Engine().State();
  return std::make_tuple(rig.view.DisplayText(), rig.view.TapeText(), rig.view.List().Rows(),
                         rig.view.List().SelectedRow(), s.m_strEntry, s.m_strTape, s.m_bNegative,
                         s.m_nPhase, s.m_dAccum, s.m_dOperand, s.m_chOp, s.m_chPrevOp);
}

// The window's own buttons reach the window and leave the calculator alone.
TEST(CommandTableTest, WindowButtonsRunTheWindowsOperations) {
  Rig rig;
  const auto before = Snapshot(rig);
  for (const int id : {IDC_BTN_MINIMIZE, IDC_LOGO, IDC_HOMEPAGE, IDC_BTN_ABOUT}) {
    EXPECT_TRUE(rig.Dispatch(BN_CLICKED, id)) << id;
  }
  EXPECT_EQ(rig.window.calls, "minimize;logo;link;about;");
  EXPECT_EQ(Snapshot(rig), before);
}

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
  for (const CommandEntry& entry : CommandTable()) {
    if (entry.notification == BN_CLICKED) {
      pairs.emplace_back(BN_DOUBLECLICKED, entry.controlId);
    }
  }
  Rig rig;
  const auto before = Snapshot(rig);
  for (const auto& [notification, id] : pairs) {
    EXPECT_FALSE(rig.Dispatch(notification, id)) << notification << ", " << id;
  }
  EXPECT_EQ(Snapshot(rig), before);
  EXPECT_EQ(rig.window.calls, "");
}

TEST(CommandTableTest, ClearAndClearEntryNeverTouchTheList) {
  for (const int id : {IDC_BTN_C, IDC_BTN_CE}) {
    Rig rig;
    const auto rows = rig.view.List().Rows();
    rig.Dispatch(BN_CLICKED, id);
    rig.Dispatch(BN_CLICKED, id);
    EXPECT_EQ(rig.view.List().Rows(), rows) << id;
    EXPECT_EQ(rig.view.List().SelectedRow(), 0) << id;
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
  rig.Press("C");
  rig.Press(c.keys);
  ASSERT_TRUE(rig.Dispatch(EN_SETFOCUS, IDC_DISPLAY));
  EXPECT_EQ(rig.view.DisplayText(), c.focused);
  rig.Press(c.typedInFocus);
  const auto typed = Snapshot(rig);
  ASSERT_TRUE(rig.Dispatch(EN_KILLFOCUS, IDC_DISPLAY));
  EXPECT_EQ(rig.view.DisplayText(), c.left);

  // Apart from the display text, nothing differs; the next key renders the
  // display from the entry again.
  auto after = Snapshot(rig);
  std::get<0>(after) = std::get<0>(typed);
  EXPECT_EQ(after, typed);
  rig.Press("7");
  EXPECT_EQ(rig.view.DisplayText(), c.next);
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
