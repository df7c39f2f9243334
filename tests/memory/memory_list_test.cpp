// The memory list: what is kept, how the total is summed from the row texts,
// and which deletes do nothing.
#include <gtest/gtest.h>

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

#include "key_script.h"
#include "memory_list.h"

namespace varuno::test {
namespace {

// Key script as in key_script.h, plus "@N" to select row N (N may be -1).
void RunScript(Calculator& calc, std::string_view script) {
  while (!script.empty()) {
    const std::size_t at = script.find('@');
    calc.Press(script.substr(0, at));
    if (at == std::string_view::npos) {
      return;
    }
    script.remove_prefix(at + 1);
    int row = 0;
    const auto [end, ec] = std::from_chars(script.data(), script.data() + script.size(), row);
    ASSERT_EQ(ec, std::errc{}) << "bad row in script";
    calc.view.List().SelectRow(row);
    script.remove_prefix(static_cast<std::size_t>(end - script.data()));
  }
}

std::string Value(std::string_view text) { return PadLeft(std::string(text), 22); }
std::string Total(std::string_view text) { return "합계" + PadLeft(std::string(text), 18); }
const std::string kRule(kMemoryRuleRow);

struct MemoryCase {
  const char* name;
  const char* script;
  std::vector<std::string> rows;
  int selected;
};

void PrintTo(const MemoryCase& c, std::ostream* os) { *os << c.name << ": " << c.script; }

class MemoryListTest : public testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryListTest, ScriptGivesRowsAndSelection) {
  Calculator calc;
  RunScript(calc, GetParam().script);
  EXPECT_EQ(calc.view.List().Rows(), GetParam().rows);
  EXPECT_EQ(calc.view.List().SelectedRow(), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    Adding, MemoryListTest,
    testing::Values(
        // Zero in any spelling is not kept, and an empty list stays empty.
        MemoryCase{"zero", "M", {}, -1},
        MemoryCase{"minus zero", "SM", {}, -1},
        MemoryCase{"zero point", ".M", {}, -1},
        MemoryCase{"zero fraction", ".000M", {}, -1},
        MemoryCase{"zero after a list", "5M C SM .0M", {Value("+5"), kRule, Total("5")}, 2},
        MemoryCase{"first value", "1234.5M",
                   {Value("+1,234.5"), kRule, Total("1,234.5")}, 2},
        MemoryCase{"second value goes last", "1234.5M C100M",
                   {Value("+1,234.5"), Value("+100"), kRule, Total("1,334.5")}, 3},
        MemoryCase{"negative without plus", "5M C8SM",
                   {Value("+5"), Value("-8"), kRule, Total("-3")}, 3},
        MemoryCase{"fraction kept as shown", "1234.50M C12.M",
                   {Value("+1,234.50"), Value("+12."), kRule, Total("1,246.5")}, 3},
        MemoryCase{"binary fractions", "0.1M C0.2M",
                   {Value("+0.1"), Value("+0.2"), kRule, Total("0.3")}, 3},
        MemoryCase{"cancelling values", "5M C5SM",
                   {Value("+5"), Value("-5"), kRule, Total("0")}, 3},
        // Group commas in the rows must not cut the parse of the total.
        MemoryCase{"grouped rows", "1234567M C1M",
                   {Value("+1,234,567"), Value("+1"), kRule, Total("1,234,568")}, 3},
        // 2^30 squared is 2^60: 25 columns, wider than a row. It is kept
        // whole, and adding 1,024 (a multiple of the spacing of doubles near
        // 2^60) must give the exact sum.
        MemoryCase{"row wider than the column", "1073741824*=M 1024M",
                   {"+1,152,921,504,606,846,976", Value("+1,024"), kRule,
                    "합계1,152,921,504,606,848,000"},
                   3},
        MemoryCase{"result kept", "12+3=M", {Value("+15"), kRule, Total("15")}, 2}));

INSTANTIATE_TEST_SUITE_P(
    Deleting, MemoryListTest,
    testing::Values(
        MemoryCase{"empty list", "D", {}, -1},
        MemoryCase{"total selected after an add", "5M C3M D",
                   {Value("+5"), Value("+3"), kRule, Total("8")}, 3},
        MemoryCase{"rule selected", "5M C3M @2D",
                   {Value("+5"), Value("+3"), kRule, Total("8")}, 2},
        // Nothing selected: the list keeps its values, and the rebuilt total
        // is selected again.
        MemoryCase{"nothing selected", "5M C3M @-1D",
                   {Value("+5"), Value("+3"), kRule, Total("8")}, 3},
        MemoryCase{"first value", "5M C3M @0D", {Value("+3"), kRule, Total("3")}, 2},
        MemoryCase{"last value", "5M C3M @1D", {Value("+5"), kRule, Total("5")}, 2},
        MemoryCase{"middle value", "5M C3M C2M @1D",
                   {Value("+5"), Value("+2"), kRule, Total("7")}, 3},
        MemoryCase{"only value", "5M @0D", {}, -1},
        MemoryCase{"twice", "5M C3M @0D @0D", {}, -1},
        MemoryCase{"then add again", "5M @0D C7M", {Value("+7"), kRule, Total("7")}, 2},
        MemoryCase{"clear", "5M C3M @0K", {}, -1},
        MemoryCase{"clear empty", "K", {}, -1}));

TEST(MemoryListTest, NeverReadsOrChangesTheCalculation) {
  Calculator calc;
  calc.Press("12+3");
  const CalcState before = calc.engine.State();
  const std::string tape = calc.view.TapeText();
  RunScript(calc, "MMD@0D@1D K");
  const CalcState& after = calc.engine.State();
  EXPECT_EQ(after.m_strEntry, before.m_strEntry);
  EXPECT_EQ(after.m_strTape, before.m_strTape);
  EXPECT_EQ(after.m_dAccum, before.m_dAccum);
  EXPECT_EQ(after.m_chOp, before.m_chOp);
  EXPECT_EQ(calc.view.TapeText(), tape);
  EXPECT_EQ(calc.view.DisplayText(), "3");
  // The calculation goes on as if the list had not been used.
  calc.Press("=");
  EXPECT_EQ(calc.view.DisplayText(), "15");
}

}  // namespace
}  // namespace varuno::test
