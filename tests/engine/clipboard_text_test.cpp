// What the calculator puts on the clipboard: the number shown as a plain
// number, and the tape as plain lines.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/clipboard_text.h"
#include "key_script.h"

namespace varuno::test {
namespace {

TEST(ClipboardTextTest, TheNumberShownCopiesWithEveryDigitAndNoCommas) {
  struct Case {
    const char* keys;
    const char* copied;
  };
  const Case cases[] = {
      {"1234.5", "1234.5"},
      {"12.5S", "-12.5"},
      {"1234.50", "1234.50"},                    // typed fraction digits stay
      {"1234567890123.", "1234567890123."},      // 13 digits and the point
      {"1234.5+0.5=", "1235"},                   // after an evaluation
      {"12=S", "-0"},                            // the sign alone after equals
      {"10000000*==", "1000000000000000000000"}, // a huge result, no exponent
      {"8/0=", "0"},                             // division by zero keeps the entry
  };
  for (const Case& c : cases) {
    Calculator calc;
    calc.Press(c.keys);
    EXPECT_EQ(PlainNumber(calc.view.DisplayText()), std::optional<std::string>(c.copied)) << c.keys;
  }
  // Texts that are no finite number are not copied as if they were.
  for (const char* text : {"", "inf", "-inf", "-nan", "1,234,inf", "--1", "1.2.3"}) {
    EXPECT_EQ(PlainNumber(text), std::nullopt) << text;
  }
}

TEST(ClipboardTextTest, TheTapeCopiesAsPlainLinesWithAsciiSigns) {
  struct Case {
    const char* keys;
    const char* copied;
  };
  const Case cases[] = {
      // Folded additions and subtractions: one column over one rule.
      {"12+3=-1=", "12\n+3\n-1\n──────\n14\n"},
      {"6*2/4=", "6\n*2\n──────\n12\n/4\n──────\n3\n"},
      {"10-3S=", "10\n-(-3)\n──────\n13\n"},
      // The empty line before the message stays; the blank pending line goes.
      {"8/0=", "8\n\n0으로 나눌 수 없습니다\n"},
      // The pending line: an operator waiting, then its operand being typed.
      {"12+", "12\n+\n"},
      {"12+3.50", "12\n+3.50\n"},
      {"5=7", "──────\n5\n\n새로운 입력입니다\n\n7\n"},
      {"1234567*=", "1,234,567\n*1,234,567\n──────\n1,524,155,677,489\n"},
      {"", ""},
  };
  for (const Case& c : cases) {
    Calculator calc;
    calc.Press(c.keys);
    EXPECT_EQ(TapeCopyText(calc.view.TapeText()), c.copied) << c.keys;
  }
}

}  // namespace
}  // namespace varuno::test
