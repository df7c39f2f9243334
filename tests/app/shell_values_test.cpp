// The shell's small pure pieces: dialog-unit arithmetic, the developer
// options, and reading the homepage address.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/dev_options.h"
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

TEST(DevOptions, ParsesTheDeveloperAids) {
  struct Row {
    const char* name;
    QStringList arguments;
    QString file;
    bool withAbout;
    bool exitAfterPaint;
    bool error;
  };
  const Row rows[] = {
      {"nothing", {"varunocalc"}, {}, false, false, false},
      {"screenshot", {"varunocalc", "--screenshot", "a.png"}, "a.png", false, false, false},
      {"bench", {"varunocalc", "--bench-exit-after-paint"}, {}, false, true, false},
      {"unknown arguments ignored", {"varunocalc", "file.txt", "--verbose"}, {}, false, false, false},
      {"file missing", {"varunocalc", "--screenshot"}, {}, false, false, true},
      {"two screenshots", {"varunocalc", "--screenshot", "a.png", "--screenshot-about", "b.png"}, {}, false, false,
       true},
      {"screenshot and bench", {"varunocalc", "--bench-exit-after-paint", "--screenshot", "a.png"}, {}, false,
       false, true},
      // The value after --screenshot is a file name, even if it looks like an option.
      {"file named like an option", {"varunocalc", "--screenshot", "--bench-exit-after-paint"},
       "--bench-exit-after-paint", false, false, false},
  };
  for (const Row& row : rows) {
    const DevOptions options = ParseDevOptions(row.arguments);
    EXPECT_EQ(options.screenshotFile, row.file) << row.name;
    EXPECT_EQ(options.screenshotWithAbout, row.withAbout) << row.name;
    EXPECT_EQ(options.exitAfterPaint, row.exitAfterPaint) << row.name;
    EXPECT_EQ(!options.error.isEmpty(), row.error) << row.name;
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
