// The script reader: line splitting and bounded memory for runaway lines.
#include <gtest/gtest.h>

#include <cerrno>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "line_reader.h"
#include "replay_command.h"

namespace varuno::replay {
namespace {

std::vector<ScriptLine> ReadAll(const std::string& input) {
  std::istringstream stream(input);
  LineReader reader(*stream.rdbuf());
  std::vector<ScriptLine> lines;
  ScriptLine line;
  while (reader.Next(line)) {
    lines.push_back(line);
  }
  return lines;
}

TEST(LineReaderTest, SplitsOnLineFeedsOnly) {
  EXPECT_TRUE(ReadAll("").empty());

  const auto lines = ReadAll("1008\n\n  select 2\r\nlast");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "1008");
  EXPECT_EQ(lines[1].text, "");
  EXPECT_EQ(lines[2].text, "select 2\r");  // leading blanks skipped, the CR is the parser's
  EXPECT_EQ(lines[2].bytes, 11u);
  EXPECT_EQ(lines[3].text, "last");  // no line feed at the end
  for (const auto& line : lines) {
    EXPECT_FALSE(line.cut);
  }
}

TEST(LineReaderTest, LongLinesKeepBoundedTextAndTheNextLineIsIntact) {
  const std::string junk(1'000'000, 'x');
  const std::string blanks(100'000, ' ');
  const auto lines = ReadAll(junk + "\n" + blanks + "1008" + blanks + "\n#" + junk + "\n1009\n");
  ASSERT_EQ(lines.size(), 4u);

  EXPECT_TRUE(lines[0].cut);
  EXPECT_EQ(lines[0].text.size(), LineReader::kMaxKept);
  EXPECT_EQ(lines[0].bytes, junk.size());
  EXPECT_EQ(ParseScriptLine(lines[0]).kind, ReplayKind::Bad);

  // Blanks around a command, however many, do not make it too long.
  EXPECT_FALSE(lines[1].cut);
  EXPECT_EQ(ParseScriptLine(lines[1]).kind, ReplayKind::Click);
  EXPECT_EQ(ParseScriptLine(lines[1]).value, 1008);

  // A long comment is still a comment.
  EXPECT_TRUE(lines[2].cut);
  EXPECT_EQ(ParseScriptLine(lines[2]).kind, ReplayKind::Skip);

  EXPECT_EQ(lines[3].text, "1009");
}

TEST(LineReaderTest, NulBytesAreKeptAndMakeTheLineBad) {
  const auto lines = ReadAll(std::string("10\0" "08\n", 6));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text.size(), 5u);
  EXPECT_EQ(ParseScriptLine(lines[0]).kind, ReplayKind::Bad);
}

// Hands out `data`, then fails the next read as a file buffer does.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string data) : m_data(std::move(data)) {
    setg(m_data.data(), m_data.data(), m_data.data() + m_data.size());
  }

 protected:
  int_type underflow() override {
    throw std::ios_base::failure("read failed", std::error_code(EIO, std::system_category()));
  }

 private:
  std::string m_data;
};

TEST(LineReaderTest, AReadErrorEndsTheInputAfterTheWholeLinesAndSaysWhy) {
  for (const std::string& data : {std::string("1023\n1026\n10"), std::string("1023\n1026\n")}) {
    FailingBuffer input(data);
    LineReader reader(input);
    ScriptLine line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "1023");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "1026");
    EXPECT_TRUE(reader.ReadError().empty());
    // The line cut short by the failure is not handed out as a line.
    EXPECT_FALSE(reader.Next(line));
    EXPECT_EQ(reader.ReadError(), std::generic_category().message(EIO));
    EXPECT_FALSE(reader.Next(line));
  }
  std::istringstream fine("1023");
  LineReader reader(*fine.rdbuf());
  ScriptLine line;
  EXPECT_TRUE(reader.Next(line));
  EXPECT_FALSE(reader.Next(line));
  EXPECT_TRUE(reader.ReadError().empty());
}

}  // namespace
}  // namespace varuno::replay
