// Reads a script line by line with bounded memory, whatever the input:
// leading blanks are skipped, and of the rest only the first bytes are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>

namespace varuno::replay {

// Blank characters around a script line: space, tab, CR, VT, FF.
constexpr bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f';
}

struct ScriptLine {
  std::string text;         // the line from its first non-blank byte, at most kMaxKept bytes
  bool cut = false;         // non-blank bytes were dropped beyond kMaxKept
  std::uint64_t bytes = 0;  // length of the whole line without its line feed
};

class LineReader {
 public:
  // No valid command comes anywhere near this; it only bounds the memory
  // a runaway line can take.
  static constexpr std::size_t kMaxKept = 1024;

  explicit LineReader(std::streambuf& input) : m_input(input) {}

  // Reads the next line (up to a line feed or the end of the input).
  // Returns false when the input holds no further line, or when reading
  // failed; a line cut short by the failure is not returned.
  bool Next(ScriptLine& line);

  // Why reading stopped early, or empty when it reached the end of the input.
  const std::string& ReadError() const { return m_readError; }

 private:
  bool ReadLine(ScriptLine& line);

  std::streambuf& m_input;
  std::string m_readError;
};

}  // namespace varuno::replay
