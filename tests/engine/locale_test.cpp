// Number conversions must not follow the process locale: a window toolkit
// sets the C library's locale from the environment at start-up.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "key_script.h"
#include "engine/number_format.h"

namespace varuno::test {
namespace {

class CommaLocaleTest : public testing::Test {
 protected:
  void SetUp() override {
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"};
    for (const char* name : locales) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        active = true;
        break;
      }
    }
    if (!active) {
      GTEST_SKIP() << "no decimal-comma locale is installed";
    }
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
  bool active = false;
};

TEST_F(CommaLocaleTest, FormattingAndParsingIgnoreTheLocale) {
  EXPECT_EQ(FormatNumber(1234567.25), "1,234,567.25");
  EXPECT_EQ(FormatNumber(-0.5), "-0.5");
  EXPECT_DOUBLE_EQ(ParseLeadingNumber("1234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(ParseLeadingNumber("+0.25"), 0.25);
  EXPECT_DOUBLE_EQ(ParseLeadingNumber("3,5"), 3.0);
}

TEST_F(CommaLocaleTest, ScenarioGivesTheSameTapeAsInTheCLocale) {
  Calculator calc;
  calc.Press("1234.5+0.25=M");
  EXPECT_EQ(calc.view.DisplayText(), "1,234.75");
  EXPECT_EQ(calc.view.List().RowText(2), "합계          1,234.75");
}

}  // namespace
}  // namespace varuno::test
