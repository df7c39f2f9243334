// The shell's small pure pieces: dialog-unit arithmetic, the command line,
// and reading the homepage address.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/command_line.h"
#include "app/dialog_units.h"
#include "app/homepage_opener.h"
#include "qstring_printer.h"

namespace varuno {
namespace {

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
  struct Row {
    int a, b, c, expected;
  };
  const Row rows[] = {
      {5, 1, 2, 3}, {-3, 1, 2, -2}, {3, 1, -2, -2}, {-3, 1, -2, 2}, {1, 1, 3, 0},
      {2, 1, 3, 1}, {1 << 20, 1 << 20, 1 << 20, 1 << 20},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.expected) << row.a << " * " << row.b << " / " << row.c;
  }
}

TEST(DialogUnits, MainWindowTemplateAtOneAndAHalfPixelsPerUnit) {
  // A 9-point face at 96 dpi whose base units are 6 x 12 gives 1.5 pixels per
  // unit both ways: the 286 x 327 unit window is the 429 x 491 pixel skin,
  // and the tape at (10, 89, 108, 91) sits at (15, 134, 162, 137).
  const DialogBaseUnits base{6, 12};
  EXPECT_EQ(UnitsToPixels(QRect(0, 0, 286, 327), base), QRect(0, 0, 429, 491));
  EXPECT_EQ(UnitsToPixels(QRect(10, 89, 108, 91), base), QRect(15, 134, 162, 137));
}

TEST(CommandLine, ParsesHelpVersionTheDeveloperAidsAndQtsOptions) {
  enum Want { kRun, kHelp, kVersion, kError };
  struct Row {
    const char* name;
    QStringList arguments;
    Want want;
    QString file = {};
    bool withAbout = false;
    bool exitAfterPaint = false;
  };
  const Row rows[] = {
      {"nothing", {"varunocalc"}, kRun},
      {"help", {"varunocalc", "--help"}, kHelp},
      {"version", {"varunocalc", "--version"}, kVersion},
      {"help wins over a bad option", {"varunocalc", "--bogus", "--help"}, kHelp},
      {"screenshot", {"varunocalc", "--screenshot", "a.png"}, kRun, "a.png"},
      {"screenshot with About", {"varunocalc", "--screenshot-about", "a.png"}, kRun, "a.png", true},
      {"bench", {"varunocalc", "--bench-exit-after-paint"}, kRun, {}, false, true},
      {"Qt's options and their values are skipped",
       {"varunocalc", "-platform", "xcb", "--display", ":1", "-style=fusion", "-reverse", "--screenshot", "a.png"},
       kRun, "a.png"},
      {"a Qt option's value is not read as an option", {"varunocalc", "-qwindowtitle", "--bogus"}, kRun},
      {"unknown option", {"varunocalc", "--verbose"}, kError},
      {"an option that only starts like Qt's", {"varunocalc", "-platformx"}, kError},
      {"file argument", {"varunocalc", "file.txt"}, kError},
      {"Qt option without its value", {"varunocalc", "-platform"}, kError},
      // Qt reads "=" only after -style and -stylesheet (and -qmljsdebugger).
      {"a value after '=' that Qt would not read", {"varunocalc", "-platform=offscreen"}, kError},
      {"a switch given a value", {"varunocalc", "-reverse=1"}, kError},
      {"file missing", {"varunocalc", "--screenshot"}, kError},
      {"two screenshots", {"varunocalc", "--screenshot", "a.png", "--screenshot-about", "b.png"}, kError},
      {"screenshot and bench", {"varunocalc", "--bench-exit-after-paint", "--screenshot", "a.png"}, kError},
      // The value after --screenshot is a file name, even if it looks like an option.
      {"file named like an option", {"varunocalc", "--screenshot", "--bench-exit-after-paint"}, kRun,
       "--bench-exit-after-paint"},
  };
  for (const Row& row : rows) {
    const CommandLine line = ParseCommandLine(row.arguments);
    EXPECT_EQ(line.showHelp, row.want == kHelp) << row.name;
    EXPECT_EQ(line.showVersion, row.want == kVersion) << row.name;
    EXPECT_EQ(!line.error.isEmpty(), row.want == kError) << row.name;
    EXPECT_EQ(line.screenshotFile, row.file) << row.name;
    EXPECT_EQ(line.screenshotWithAbout, row.withAbout) << row.name;
    EXPECT_EQ(line.exitAfterPaint, row.exitAfterPaint) << row.name;
  }
}

TEST(Homepage, AcceptsOnlyAbsoluteWebAddressesWithAHost) {
  struct Row {
    const char* address;
    bool valid;
    const char* host;
  };
  const Row rows[] = {
      {"https://www.varuno.kr", true, "www.varuno.kr"},
      {"HTTPS://WWW.Varuno.KR", true, "www.varuno.kr"},
      {"ftp://example.org", false, "example.org"},
      {"javascript:alert(1)", false, ""},
      {"www.varuno.kr", false, ""},
      {"https://", false, ""},
  };
  for (const Row& row : rows) {
    const QString address = QString::fromUtf8(row.address);
    EXPECT_EQ(!HomepageUrl(address).isEmpty(), row.valid) << row.address;
    EXPECT_EQ(HostOf(address), QString::fromUtf8(row.host)) << row.address;
  }
}

}  // namespace
}  // namespace varuno
