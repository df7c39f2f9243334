// The memory list: what is kept, how the total is summed from the row texts,
// and which deletes do nothing.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "key_script.h"
#include "memory/memory_list.h"
#include "memory/memory_row_number.h"

namespace varuno::test {
namespace {

// Key script as in key_script.h, plus "@N" (one digit, or "@-" for none) to
// select a row.
void RunScript(Calculator& calc, std::string_view script) {
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (script[i] == '@') {
      ++i;
      calc.view.List().SelectRow(script[i] == '-' ? -1 : script[i] - '0');
    } else {
      calc.Press(script.substr(i, 1));
    }
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
        // Zero in any spelling is not kept.
        MemoryCase{"zero", "M", {}, -1},
        MemoryCase{"zero after a list", "5M C SM .000M", {Value("+5"), kRule, Total("5")}, 2},
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
        // 2^60 is 25 columns, wider than a row: kept whole, and adding 1,024
        // (a multiple of the spacing of doubles near 2^60) gives the exact sum.
        MemoryCase{"row wider than the column", "1073741824*=M 1024M",
                   {"+1,152,921,504,606,846,976", Value("+1,024"), kRule,
                    "합계1,152,921,504,606,848,000"},
                   3}));

INSTANTIATE_TEST_SUITE_P(
    Deleting, MemoryListTest,
    testing::Values(
        MemoryCase{"empty list", "D", {}, -1},
        MemoryCase{"total selected", "5M C3M D", {Value("+5"), Value("+3"), kRule, Total("8")}, 3},
        MemoryCase{"rule selected", "5M C3M @2D", {Value("+5"), Value("+3"), kRule, Total("8")}, 2},
        // Nothing selected: the values stay and the rebuilt total is selected.
        MemoryCase{"nothing selected", "5M C3M @-D",
                   {Value("+5"), Value("+3"), kRule, Total("8")}, 3},
        MemoryCase{"first value", "5M C3M @0D", {Value("+3"), kRule, Total("3")}, 2},
        MemoryCase{"last value", "5M C3M @1D", {Value("+5"), kRule, Total("5")}, 2},
        MemoryCase{"only value, then add again", "5M @0D C7M", {Value("+7"), kRule, Total("7")}, 2},
        MemoryCase{"clear", "5M C3M @0K", {}, -1}));

TEST(MemoryListTest, NeverReadsOrChangesTheCalculation) {
  Calculator calc;
  calc.Press("12+3");
  const std::string tape = calc.view.TapeText();
  RunScript(calc, "MMD@0D@1D K");
  EXPECT_EQ(calc.view.TapeText(), tape);
  EXPECT_EQ(calc.view.DisplayText(), "3");
  calc.Press("=");
  EXPECT_EQ(calc.view.DisplayText(), "15");
}

}  // namespace
}  // namespace varuno::test

namespace varuno::test {
namespace {

// Copying a row gives its number; the rule row has none.
TEST(MemoryRowNumberTest, ValueAndTotalRowsGiveTheirNumbersAndTheRuleNothing) {
  Calculator calc;
  RunScript(calc, "1234.5M C100M C8SM");
  const std::vector<std::optional<std::string>> expected = {
      "1234.5", "100", "-8", std::nullopt, "1326.5"};
  ASSERT_EQ(calc.view.List().Rows().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(MemoryRowNumber(calc.view.List().Rows()[i]), expected[i]) << i;
  }
}

}  // namespace
}  // namespace varuno::test
