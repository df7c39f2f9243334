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
      "1.2.3", "--5", "+5", "12-", "(5)", "\uFF0D5", "\uFF11\uFF12",
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
