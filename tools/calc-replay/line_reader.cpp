#include "line_reader.h"

#include <ios>

namespace varuno::replay {

bool LineReader::Next(ScriptLine& line) {
  if (!m_readError.empty()) {
    return false;
  }
  // A file buffer reports a failed read (a directory, a closed descriptor,
  // an I/O error) by throwing.
  try {
    return ReadLine(line);
  } catch (const std::ios_base::failure& failure) {
    m_readError = failure.code() ? failure.code().message() : failure.what();
    if (m_readError.empty()) {
      m_readError = "read error";
    }
    return false;
  }
}

bool LineReader::ReadLine(ScriptLine& line) {
  using Traits = std::streambuf::traits_type;
  line.text.clear();
  line.cut = false;
  line.bytes = 0;

  int ch = m_input.sbumpc();
  if (Traits::eq_int_type(ch, Traits::eof())) {
    return false;
  }
  bool leading = true;
  for (; !Traits::eq_int_type(ch, Traits::eof()) && ch != '\n'; ch = m_input.sbumpc()) {
    ++line.bytes;
    const char c = Traits::to_char_type(ch);
    if (leading && IsBlank(c)) {
      continue;
    }
    leading = false;
    if (line.text.size() < kMaxKept) {
      line.text += c;
    } else if (!IsBlank(c)) {
      line.cut = true;
    }
  }
  return true;
}

}  // namespace varuno::replay
