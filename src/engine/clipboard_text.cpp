#include "engine/clipboard_text.h"

#include <array>

#include "engine/number_format.h"
#include "engine/tape_text.h"

namespace varuno {

namespace {

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\r')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

bool IsPlainNumber(std::string_view text) {
  if (text.starts_with('-')) {
    text.remove_prefix(1);
  }
  bool digit = false;
  bool point = false;
  for (const char ch : text) {
    if (ch >= '0' && ch <= '9') {
      digit = true;
    } else if (ch == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

std::optional<std::string> PlainNumber(std::string_view shown) {
  shown = TrimSpaces(shown);
  if (shown.starts_with('+')) {
    shown.remove_prefix(1);
  }
  std::string plain = StripCommas(shown);
  if (!IsPlainNumber(plain)) {
    return std::nullopt;
  }
  return plain;
}

std::string TapeCopyText(std::string_view tape) {
  static constexpr std::array<char, 4> kOperators{'+', '-', '*', '/'};
  std::string out;
  std::size_t kept = 0;  // length of `out` up to the end of its last non-empty line
  while (!tape.empty()) {
    const std::size_t end = tape.find('\n');
    std::string_view line = TrimSpaces(tape.substr(0, end));
    tape.remove_prefix(end == std::string_view::npos ? tape.size() : end + 1);
    for (const char op : kOperators) {
      if (line.starts_with(OperatorSymbol(op))) {
        line.remove_prefix(OperatorSymbol(op).size());
        out += op;
        break;
      }
    }
    out += line;
    out += '\n';
    if (out.size() > 1 && out[out.size() - 2] != '\n') {
      kept = out.size();
    }
  }
  out.resize(kept);
  return out;
}

}  // namespace varuno
