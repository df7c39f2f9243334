#include "line_reader.h"

namespace varuno::replay {

bool LineReader::Next(ScriptLine& line) {
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
