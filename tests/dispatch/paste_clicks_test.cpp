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
      {"", "₩1,250,000", "", "1,250,000"},
      {"", "￦1,250,000", "", "1,250,000"},
      {"", "1,250,000원", "", "1,250,000"},
      {"", "1,250,000 원", "", "1,250,000"},
      {"", "-₩3,000", "", "-3,000"},
      {"", "₩-3,000", "", "-3,000"},
      {"", "１２５００００", "", "1,250,000"},
      {"", "１，２５０，０００．５", "", "1,250,000.5"},
      {"", "－5", "", "-5"},
      {"", "１２", "", "12"},
      {"", "(38,500)", "", "-38,500"},
      {"", "(5)", "", "-5"},
      {"", "( ₩38,500 )", "", "-38,500"},
      {"", "1 250 000", "", "1,250,000"},
      {"", "1\u00A0250\u00A0000", "", "1,250,000"},
      {"", "1\u202F250\u202F000.25", "", "1,250,000.25"},
      {"", "125만", "", "1,250,000"},
      {"", "125만원", "", "1,250,000"},
      {"", "125만 원", "", "1,250,000"},
      {"", "1억 2,345만 6,789", "", "123,456,789"},
      {"", "1억2345만6789", "", "123,456,789"},
      {"", "3억", "", "300,000,000"},
      {"", "2조 5000억", "", "2,500,000,000,000"},
      {"", "1억 5", "", "100,000,005"},             // empty groups between units
      {"", "1억 1만", "", "100,010,000"},
      {"", "133만 9,593.75", "", "1,339,593.75"},   // the fraction after the last group
      {"", "1억 0.5", "", "100,000,000.5"},
      {"", "-22만", "", "-220,000"},
      {"", "(11만 3,386원)", "", "-113,386"},
      {"", "₩125만", "", "1,250,000"},
      {"12+", "1만", "=", "10,012"},
      {"", "99조 9999억 9999만 9999", "", "99,999,999,999,999"},  // as many as fit
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
      "1.2.3", "--5", "+5", "12-", "1.250.000", "1,250,000.000.5", "1 2 3",
      // Amounts written in ways that could be misread, or that are no one amount.
      "(-5)", "-(5)", "(5", "5)", "()", "₩", "원", "₩5원", "--₩5",
      "-₩-5", "5₩", "원5", "5원원", "1 250,000", "1,250 000", "1  250",
      "12 34", "1\u00A02", "만", "125 만", "1.5만", "1만 2억",
      "1만 2만", "12345만", "0만", "1억 0만", "1만 12345",
      "1만 .5", "1만 5 000", "12,34만", "1만원원", "（5）",
      "1만 2만 3", "63억조", "5만만",
      // More digits than the entry holds, written with units.
      "1경", "100조 1", "9999억 9999만 9999.25",
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
