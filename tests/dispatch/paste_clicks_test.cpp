// A pasted number: which texts are one number, and what the clicks they
// become leave on the display and the tape when run through the command
// table, the way the window runs them.
#include <gtest/gtest.h>

#include <string>

#include "dispatch/paste_clicks.h"
#include "key_script.h"
#include "engine/tape_text.h"

namespace varuno::test {
namespace {

struct PasteRig {
  Calculator calc;

  // Pastes `text`; false when it was refused.
  bool Paste(std::string_view text) {
    const auto clicks = PasteClicks(text);
    if (!clicks) {
      return false;
    }
    for (const ControlId id : *clicks) {
      EXPECT_TRUE(calc.calculator.Dispatch(BN_CLICKED, id)) << id;
    }
    return true;
  }
};

struct AcceptedCase {
  const char* before;  // key script typed before the paste
  const char* text;
  const char* after;   // key script typed after it
  const char* display;
};

TEST(PasteClicksTest, OneNumberReplacesTheEntryUnderTheEntryRules) {
  const AcceptedCase cases[] = {
      {"", "1,234.50", "", "1,234.50"},
      {"", " -7 ", "", "-7"},
      {"", "\u22120.25", "", "-0.25"},
      {"", "42\r\n", "", "42"},                 // a spreadsheet cell
      {"", "\u00A012\u3000", "", "12"},         // no-break and ideographic spaces
      {"", ".5", "", "0.5"},
      {"", "12.", "", "12."},
      {"", "-0", "", "-0"},
      {"", "1,234,567", "", "1,234,567"},
      {"", "0000000000000000000001", "", "1"},  // leading zeros type nothing
      {"", "12345678901234", "", "12,345,678,901,234"},
      {"", "123456789012.5", "", "123,456,789,012.5"},
      // The number being typed is replaced, sign included.
      {"99.5S", "3", "", "3"},
      // The operand of a pending operator.
      {"12+", "3", "=", "15"},
      {"12*", "-2", "=", "-24"},
      // The sign left set by equals on a negative number is cleared, as CE does.
      {"5S=", "7", "+1=", "8"},
      // Amounts as Korean documents, web pages and spreadsheets write them.
      {"", "\u20A91,250,000", "", "1,250,000"},
      {"", "\uFFE61,250,000", "", "1,250,000"},
      {"", "1,250,000\uC6D0", "", "1,250,000"},
      {"", "1,250,000 \uC6D0", "", "1,250,000"},
      {"", "-\u20A93,000", "", "-3,000"},
      {"", "\u20A9-3,000", "", "-3,000"},
      {"", "\uFF11\uFF12\uFF15\uFF10\uFF10\uFF10\uFF10", "", "1,250,000"},
      {"", "\uFF11\uFF0C\uFF12\uFF15\uFF10\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF15", "",
       "1,250,000.5"},
      {"", "\uFF0D5", "", "-5"},
      {"", "\uFF11\uFF12", "", "12"},
      {"", "(38,500)", "", "-38,500"},
      {"", "(5)", "", "-5"},
      {"", "( \u20A938,500 )", "", "-38,500"},
      {"", "1 250 000", "", "1,250,000"},
      {"", "1\u00A0250\u00A0000", "", "1,250,000"},
      {"", "1\u202F250\u202F000.25", "", "1,250,000.25"},
      {"", "125\uB9CC", "", "1,250,000"},
      {"", "125\uB9CC\uC6D0", "", "1,250,000"},
      {"", "125\uB9CC \uC6D0", "", "1,250,000"},
      {"", "1\uC5B5 2,345\uB9CC 6,789", "", "123,456,789"},
      {"", "1\uC5B52345\uB9CC6789", "", "123,456,789"},
      {"", "3\uC5B5", "", "300,000,000"},
      {"", "2\uC870 5000\uC5B5", "", "2,500,000,000,000"},
      {"", "1\uC5B5 5", "", "100,000,005"},             // empty groups between units
      {"", "1\uC5B5 1\uB9CC", "", "100,010,000"},
      {"", "133\uB9CC 9,593.75", "", "1,339,593.75"},   // the fraction after the last group
      {"", "1\uC5B5 0.5", "", "100,000,000.5"},
      {"", "-22\uB9CC", "", "-220,000"},
      {"", "(11\uB9CC 3,386\uC6D0)", "", "-113,386"},
      {"", "\u20A9125\uB9CC", "", "1,250,000"},
      {"12+", "1\uB9CC", "=", "10,012"},
      {"", "99\uC870 9999\uC5B5 9999\uB9CC 9999", "", "99,999,999,999,999"},  // as many as fit
  };
  for (const AcceptedCase& c : cases) {
    PasteRig rig;
    rig.calc.Press(c.before);
    EXPECT_TRUE(rig.Paste(c.text)) << c.text;
    rig.calc.Press(c.after);
    EXPECT_EQ(rig.calc.view.DisplayText(), c.display) << c.before << " | " << c.text;
  }
}

TEST(PasteClicksTest, AnythingButOneWholeNumberIsRefused) {
  const std::string longBlanks(kPasteMaxBytes, ' ');
  const std::string refused[] = {
      "", "   ", "-", ".", ",", "abc", "12a", "1 2", "1\n2", "1e5", "1E-3", "0x1F", "inf", "nan",
      "1.2.3", "--5", "+5", "12-", "1.250.000", "1,250,000.000.5", "0x1F", "1 2 3",
      // Amounts written in ways that could be misread, or that are no one amount.
      "(-5)", "-(5)", "(5", "5)", "()", "\u20A9", "\uC6D0", "\u20A95\uC6D0", "--\u20A95",
      "-\u20A9-5", "5\u20A9", "\uC6D05", "5\uC6D0\uC6D0", "1 250,000", "1,250 000", "1  250",
      "12 34", "1\u00A02", "\uB9CC", "125 \uB9CC", "1.5\uB9CC", "1\uB9CC 2\uC5B5",
      "1\uB9CC 2\uB9CC", "12345\uB9CC", "0\uB9CC", "1\uC5B5 0\uB9CC", "1\uB9CC 12345",
      "1\uB9CC .5", "1\uB9CC 5 000", "12,34\uB9CC", "1\uB9CC\uC6D0\uC6D0", "\uFF08" "5\uFF09",
      "1\uB9CC 2\uB9CC 3", "63\uC5B5\uC870", "5\uB9CC\uB9CC",
      // More digits than the entry holds, written with units.
      "1\uACBD", "100\uC870 1", "9999\uC5B5 9999\uB9CC 9999.25",
      // Commas that do not group by three, or stand in the fraction.
      "1,2", "12,34", "1,234,5", "1234,567", ",123", "1,,234", "1,234,", "1.234,5", "1,234.5,6",
      // More than the entry holds whole: digits would be cut off.
      "123456789012345", "1234567890123.5", "0.1234567890123",
      // Too long a text, even around a short number.
      longBlanks + "5",
  };
  for (const std::string& text : refused) {
    EXPECT_FALSE(PasteClicks(text).has_value()) << '"' << text << '"';
  }
  // The limit is on the text as pasted; blanks up to it are fine.
  EXPECT_TRUE(PasteClicks(longBlanks.substr(1) + "5").has_value());
}

TEST(PasteClicksTest, AfterEqualsTheBannerIsWrittenOnce) {
  PasteRig rig;
  rig.calc.Press("12+3=");
  ASSERT_TRUE(rig.Paste("4,000"));
  const std::string tape = rig.calc.view.TapeText();
  const std::string banner(kNewInputBanner);
  ASSERT_NE(tape.find(banner), std::string::npos);
  EXPECT_EQ(tape.find(banner, tape.find(banner) + 1), std::string::npos);
  EXPECT_EQ(rig.calc.view.PendingLine(), Line("4,000"));
}

}  // namespace
}  // namespace varuno::test
