// Reading script lines: what is accepted, and that everything else is a bad
// line with a readable message.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "dispatch/control_ids.h"
#include "replay_command.h"

namespace varuno::replay {
namespace {

struct LineCase {
  std::string line;
  ReplayKind kind;
  int value;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ReplayLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReplayLineTest, ReadsTheLine) {
  const ReplayCommand command = ParseReplayLine(GetParam().line);
  EXPECT_EQ(command.kind, GetParam().kind);
  if (command.kind == ReplayKind::Bad) {
    EXPECT_FALSE(command.error.empty());
  } else {
    EXPECT_EQ(command.value, GetParam().value);
  }
}

constexpr auto kBad = ReplayKind::Bad;

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplayLineTest,
    testing::Values(
        LineCase{" \t\r", ReplayKind::Skip, 0}, LineCase{"# 1008 select x", ReplayKind::Skip, 0},
        LineCase{" 1008\t\r", ReplayKind::Click, 1008}, LineCase{"01038", ReplayKind::Click, 1038},
        LineCase{"select \t 7 \r", ReplayKind::Select, 7},
        LineCase{"select -2147483648", ReplayKind::Select, -2147483647 - 1},
        LineCase{"focus-display", ReplayKind::FocusDisplay, 0},
        LineCase{"blur-display\r", ReplayKind::BlurDisplay, 0},
        LineCase{" undo", ReplayKind::Undo, 0}, LineCase{"redo\t", ReplayKind::Redo, 0},
        // Numbers that are no control; 1008 + 65536 must not wrap to 1008.
        LineCase{"1005", kBad, 0}, LineCase{"66544", kBad, 0},
        LineCase{"99999999999999999999", kBad, 0},
        // Junk after or inside a command; words are case-sensitive.
        LineCase{"1008x", kBad, 0}, LineCase{"+1008", kBad, 0}, LineCase{"1008 # note", kBad, 0},
        LineCase{"focus-display 1", kBad, 0}, LineCase{"Select 1", kBad, 0},
        LineCase{"undo 2", kBad, 0}, LineCase{"Redo", kBad, 0},
        // select without a usable row number.
        LineCase{"select", kBad, 0}, LineCase{"select 1x", kBad, 0}, LineCase{"select +1", kBad, 0},
        LineCase{"select 2147483648", kBad, 0}, LineCase{"select1", kBad, 0}));

TEST(ReplayLineTest, EveryControlOfTheWindowIsAClickAndNoOtherNumberIs) {
  for (int id = -2; id <= 1100; ++id) {
    EXPECT_EQ(ParseReplayLine(std::to_string(id)).kind == ReplayKind::Click, IsMainWindowControl(id))
        << id;
  }
}

TEST(ReplayLineTest, MessagesQuoteTheLineSafelyAndShortly) {
  const std::string nasty = "\x1b[2J\xff\"\\" + std::string(200, 'y');
  for (const std::string& line : {nasty, "select " + nasty, "1008 " + nasty}) {
    const ReplayCommand command = ParseReplayLine(line);
    ASSERT_EQ(command.kind, ReplayKind::Bad);
    EXPECT_LT(command.error.size(), 120u) << command.error;
    for (const char ch : command.error) {
      EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << command.error;
    }
    EXPECT_NE(command.error.find("\\x1b"), std::string::npos) << command.error;
  }
}

}  // namespace
}  // namespace varuno::replay
