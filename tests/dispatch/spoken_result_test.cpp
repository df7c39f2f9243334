// What a screen reader hears after each command: key scripts (key_script.h)
// and the text spoken after their last key, then the tape's last result and
// the memory rows as they are read when those controls take the focus.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dispatch/spoken_result.h"
#include "engine/tape_text.h"
#include "key_script.h"

namespace varuno::test {
namespace {

struct SpokenCase {
  std::string_view keys;
  int selectBeforeLastKey;  // memory row to select before the last key, -1 none
  std::string_view spoken;  // after the last key
};

TEST(SpokenResultTest, EachCommandSaysWhatItProducedOnce) {
  const SpokenCase cases[] = {
      // Operators and equals: the display's new value, as shown.
      {"1234+", -1, "1,234"},
      {"1234+5=", -1, "1,239"},
      {"2+3==", -1, "8"},
      {"1234+5-", -1, "1,239"},
      {"5S*", -1, "-5"},
      {"0.5+", -1, "0.5"},
      // Large values with their reading by 만 groups.
      {"12345=", -1, "12,345, 1만 2,345"},
      {"100000000+", -1, "100,000,000, 1억"},
      // A division by zero: the tape's message, not the unchanged display.
      {"5/0=", -1, kDivideByZeroText},
      {"5/0+", -1, kDivideByZeroText},
      {"5/0=7+", -1, "7"},
      // Typing, clearing and the list's clear say nothing.
      {"123", -1, ""},
      {"12.5Z", -1, ""},
      {"12+3B", -1, ""},
      {"12+3=C", -1, ""},
      {"12E", -1, ""},
      {"5MK", -1, ""},
      // The list's total after an add or a delete that changed the list.
      {"5M", -1, "합계 5"},
      {"1234.5MC250M", -1, "합계 1,484.5"},
      {"0M", -1, ""},
      {"5MC7MD", 0, "합계 7"},
      {"5MD", 0, "합계 0"},
      {"5MD", 2, ""},  // the total row selected: nothing is deleted
  };
  for (const SpokenCase& c : cases) {
    SCOPED_TRACE(std::string(c.keys));
    Calculator calc;
    calc.Press(c.keys.substr(0, c.keys.size() - 1));
    if (c.selectBeforeLastKey >= 0) {
      calc.view.List().SelectRow(c.selectBeforeLastKey);
    }
    calc.Press(c.keys.substr(c.keys.size() - 1));
    EXPECT_EQ(calc.calculator.Spoken(), c.spoken);
  }
}

TEST(SpokenResultTest, TheDisplayTakingTheFocusSaysItsValueAsShownBefore) {
  for (const auto& [keys, spoken] : {std::pair<std::string_view, std::string_view>{"7", "7"},
                                     {"1234567.25", "1,234,567.25, 123만 4,567.25"},
                                     {"5S", "-5"}}) {
    Calculator calc;
    calc.Press(keys);
    ASSERT_TRUE(calc.calculator.Dispatch(EN_SETFOCUS, IDC_DISPLAY));
    EXPECT_EQ(calc.calculator.Spoken(), spoken) << keys;
    // The focus took the group commas away; leaving says nothing.
    ASSERT_TRUE(calc.calculator.Dispatch(EN_KILLFOCUS, IDC_DISPLAY));
    EXPECT_EQ(calc.calculator.Spoken(), "") << keys;
  }
}

TEST(SpokenResultTest, TheTapeSaysItsLastResult) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""},
      {"12", ""},                 // nothing under a rule yet
      {"1+2=", "3"},
      {"1+2+3=", "6"},           // a folded run: its single total
      {"1+2=7", "3"},             // the banner and the new entry are no result
      {"1+2=7*3=", "21"},
      {"1+2=5/0=", kDivideByZeroText},
      {"5/0=1+2=", "3"},
  };
  for (const auto& [keys, result] : cases) {
    Calculator calc;
    calc.Press(keys);
    EXPECT_EQ(TapeLastResult(calc.view.TapeText()), result) << keys;
  }
}

TEST(SpokenResultTest, MemoryRowsAreReadWithoutPaddingAndTheRuleNotAtAll) {
  Calculator calc;
  calc.Press("1234.5MC250M");
  const TextListSurface& list = calc.view.List();
  EXPECT_EQ(SpokenMemoryRow(list.RowText(0)), "+1,234.5");
  EXPECT_EQ(SpokenMemoryRow(list.RowText(2)), "");
  EXPECT_EQ(SpokenMemoryRow(list.RowText(3)), "합계 1,484.5");
  EXPECT_EQ(SpokenMemoryRow(list.RowText(9)), "");
}

}  // namespace
}  // namespace varuno::test
