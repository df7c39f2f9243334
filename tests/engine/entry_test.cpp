// Entry editing scenarios: keys in, display and pending tape line out.
#include <gtest/gtest.h>

#include <ostream>

#include "key_script.h"
#include "engine/tape_text.h"

namespace varuno::test {
namespace {

struct EntryCase {
  const char* keys;
  const char* display;
  const char* entry;
  const char* pending;  // text of the pending tape line before padding
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << '"' << c.keys << '"'; }

class EntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, KeysGiveDisplayEntryAndPendingLine) {
  Calculator calc;
  calc.Press(GetParam().keys);
  EXPECT_EQ(calc.view.DisplayText(), GetParam().display);
  EXPECT_EQ(calc.engine.State().m_strEntry, GetParam().entry);
  EXPECT_EQ(calc.view.PendingLine(), Line(GetParam().pending));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryTest,
    testing::Values(
        EntryCase{"5", "5", "5", "5"},
        EntryCase{"1234.50", "1,234.50", "1234.50", "1,234.50"},
        EntryCase{"1000000", "1,000,000", "1000000", "1,000,000"},
        EntryCase{"0Z", "0", "0", "0"},                  // 00 on 0 stays 0
        EntryCase{"12Z", "1,200", "1200", "1,200"},
        EntryCase{"5+Z", "0", "0", "＋0"},                // 00 on empty gives 0
        EntryCase{"07", "7", "7", "7"},                   // no leading zero
        EntryCase{"1.2.3", "1.23", "1.23", "1.23"},       // point twice
        EntryCase{".", "0.", "0.", "0."},
        EntryCase{"5.25B", "5.2", "5.2", "5.2"},
        EntryCase{"5.2B", "5", "5", "5"},                 // point left last goes too
        EntryCase{"5.B", "5", "5", "5"},
        EntryCase{"7B", "0", "0", "0"},
        EntryCase{"7BB", "0", "0", "0"},
        EntryCase{"5+B", "0", "", "＋"},                  // backspace on an empty entry
        EntryCase{"12345.S", "-12,345.", "12345.", "(-12,345.)"},
        EntryCase{"5SS", "5", "5", "5"},
        // 14 digits at most; "00" may bring it to 15; the point may be 14th.
        EntryCase{"123456789012345", "12,345,678,901,234", "12345678901234",
                  "12,345,678,901,234"},
        EntryCase{"1234567890123Z9", "123,456,789,012,300", "123456789012300",
                  "123,456,789,012,300"},
        EntryCase{"1234567890123.4", "1,234,567,890,123.", "1234567890123.",
                  "1,234,567,890,123."},
        EntryCase{"12345678901234.", "12,345,678,901,234", "12345678901234",
                  "12,345,678,901,234"},
        EntryCase{"12E", "0", "0", "0"},
        EntryCase{"12SE", "0", "0", "0"},                 // CE clears the sign
        EntryCase{"12+E", "0", "", "＋"}));  // CE keeps an empty entry empty

TEST(EntryTest, FirstKeyAfterEqualsWritesTheBannerOnce) {
  Calculator calc;
  calc.Press("5");
  EXPECT_EQ(calc.engine.State().m_strTape, "");  // no banner at start-up
  calc.Press("2+3=");
  const std::string afterEquals = calc.engine.State().m_strTape;
  calc.Press("7");
  EXPECT_EQ(calc.engine.State().m_strTape,
            afterEquals + "\r\n     새로운 입력입니다\r\n\r\n");
  calc.Press("8");
  EXPECT_EQ(calc.engine.State().m_strTape.size(), afterEquals.size() + kNewInputBanner.size() + 6);
  EXPECT_EQ(calc.view.DisplayText(), "78");
  EXPECT_EQ(calc.engine.State().m_chOp, 0);
  EXPECT_EQ(calc.engine.State().m_dAccum, 0.0);
}

TEST(EntryTest, SignAfterEqualsStartsANewCalculationAndShowsMinusZero) {
  Calculator calc;
  calc.Press("2+3=S");
  EXPECT_EQ(calc.view.DisplayText(), "-0");
  EXPECT_EQ(calc.engine.State().m_strEntry, "");
  EXPECT_EQ(calc.view.PendingLine(), Line(""));
  EXPECT_NE(calc.engine.State().m_strTape.find("새로운 입력입니다"), std::string::npos);
}

TEST(EntryTest, ClearAllEmptiesTheTapeViewButKeepsTheMemoryList) {
  Calculator calc;
  calc.Press("12+3=M45C");
  EXPECT_EQ(calc.view.TapeText(), "");
  EXPECT_EQ(calc.view.DisplayText(), "0");
  EXPECT_EQ(calc.engine.State().m_strTape, "");
  EXPECT_EQ(calc.view.List().RowCount(), 3);
  calc.Press("E");
  EXPECT_EQ(calc.view.List().RowCount(), 3);
}

TEST(EntryTest, TapeViewStaysEmptyUntilTheFirstKey) {
  Calculator calc;
  EXPECT_EQ(calc.view.TapeText(), "");
  EXPECT_EQ(calc.view.DisplayText(), "0");
  calc.Press("B");
  EXPECT_EQ(calc.view.TapeText(), Line("0"));
}

}  // namespace
}  // namespace varuno::test
