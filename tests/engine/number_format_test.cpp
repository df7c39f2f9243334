#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstdio>
#include <random>
#include <limits>
#include <string>

namespace varuno {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, PrintsGroupedFixedText) {
  EXPECT_EQ(FormatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumberTest,
    testing::Values(FormatCase{0.0, "0"}, FormatCase{-0.0, "-0"}, FormatCase{100, "100"},
                    FormatCase{1000, "1,000"}, FormatCase{1234567, "1,234,567"},
                    FormatCase{-123456, "-123,456"}, FormatCase{-1234, "-1,234"},
                    FormatCase{-100, "-100"}, FormatCase{0.5, "0.5"},
                    FormatCase{1234.5, "1,234.5"}, FormatCase{2.0 / 3.0, "0.666667"},
                    FormatCase{0.0000004, "0"}, FormatCase{-0.0000004, "-0"},
                    FormatCase{999.9999996, "1,000"}, FormatCase{-999999.9999996, "-1,000,000"},
                    FormatCase{1234567.125, "1,234,567.125"},
                    FormatCase{0.1 + 0.2, "0.3"},
                    FormatCase{1e20, "100,000,000,000,000,000,000"},
                    FormatCase{-1e15, "-1,000,000,000,000,000"}));

TEST(FormatNumberTest, HugeValuesPrintEveryIntegerDigit) {
  const std::string text = FormatNumber(std::numeric_limits<double>::max());
  // 309 digits in groups of three: 103 groups, 102 commas.
  EXPECT_EQ(text.size(), 309u + 102u);
  EXPECT_EQ(text.substr(0, 8), "179,769,");
}

// The fixed text must be exactly what "%f" prints in the "C" locale, rounding
// included; compare over values of every magnitude the calculator meets.
TEST(FormatNumberTest, DigitsMatchPrintfInTheCLocale) {
  std::mt19937_64 random(8);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-9, 25);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    char printed[512];
    std::snprintf(printed, sizeof printed, "%f", value);
    std::string expected = printed;
    while (expected.back() == '0') expected.pop_back();
    if (expected.back() == '.') expected.pop_back();
    ASSERT_EQ(StripCommas(FormatNumber(value)), expected) << printed;
  }
}

TEST(FormatNumberTest, InfinityAndNanKeepTheirText) {
  EXPECT_EQ(FormatNumber(HUGE_VAL), "inf");
  EXPECT_EQ(FormatNumber(-HUGE_VAL), "-inf");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(ColumnWidthTest, CountsTwoColumnsPerNonAsciiCharacter) {
  EXPECT_EQ(ColumnWidth(""), 0);
  EXPECT_EQ(ColumnWidth("12,345"), 6);
  EXPECT_EQ(ColumnWidth("＋3"), 3);
  EXPECT_EQ(ColumnWidth("  ──────"), 14);
  EXPECT_EQ(ColumnWidth("합계"), 4);
  EXPECT_EQ(ColumnWidth("0으로 나눌 수 없습니다"), 22);
  EXPECT_EQ(ColumnWidth("     새로운 입력입니다"), 22);
}

struct TapeLineCase {
  const char* text;
  std::size_t spaces;
};

void PrintTo(const TapeLineCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class MakeTapeLineTest : public testing::TestWithParam<TapeLineCase> {};

TEST_P(MakeTapeLineTest, RightAlignsToTwentyTwoColumns) {
  const std::string text = GetParam().text;
  EXPECT_EQ(MakeTapeLine(text), std::string(GetParam().spaces, ' ') + text + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MakeTapeLineTest,
    testing::Values(TapeLineCase{"", 22}, TapeLineCase{"12", 20}, TapeLineCase{"＋3", 19},
                    TapeLineCase{"  ──────", 8}, TapeLineCase{"0으로 나눌 수 없습니다", 0},
                    TapeLineCase{"1234567890123456789012", 0},
                    TapeLineCase{"123456789012345678901234567890", 0},  // not cut
                    TapeLineCase{"×(-5)", 16}));

struct ParseCase {
  const char* text;
  double value;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseLeadingNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseLeadingNumberTest, ReadsLikeAtofInTheCLocale) {
  EXPECT_DOUBLE_EQ(ParseLeadingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseLeadingNumberTest,
    testing::Values(ParseCase{"", 0}, ParseCase{"abc", 0}, ParseCase{"12", 12},
                    ParseCase{"  \t+12.5", 12.5}, ParseCase{"-0.25", -0.25},
                    ParseCase{"1,234.5", 1}, ParseCase{"12.", 12}, ParseCase{".5", 0.5},
                    ParseCase{"1e3", 1000}, ParseCase{"1e", 1}, ParseCase{"2.5E-1x", 0.25},
                    ParseCase{"+-3", 0}, ParseCase{"-", 0}, ParseCase{".", 0},
                    ParseCase{"    +1,234.5", 1}, ParseCase{"1e400", HUGE_VAL},
                    ParseCase{"-1e400", -HUGE_VAL}, ParseCase{"1e-400", 0}));

TEST(ParseLeadingNumberTest, ReadsInfinityAndNan) {
  EXPECT_EQ(ParseLeadingNumber("inf"), HUGE_VAL);
  EXPECT_EQ(ParseLeadingNumber("-Infinity"), -HUGE_VAL);
  EXPECT_TRUE(std::isnan(ParseLeadingNumber("nan")));
  EXPECT_TRUE(std::isnan(ParseLeadingNumber("-nan")));
}

}  // namespace
}  // namespace varuno
