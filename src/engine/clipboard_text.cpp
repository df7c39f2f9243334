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

std::vector<std::string_view> PlainTapeLines(std::string_view tape) {
  std::vector<std::string_view> lines;
  std::size_t kept = 0;  // number of lines up to the last non-empty one
  while (!tape.empty()) {
    const std::size_t end = tape.find('\n');
    lines.push_back(TrimSpaces(tape.substr(0, end)));
    tape.remove_prefix(end == std::string_view::npos ? tape.size() : end + 1);
    if (!lines.back().empty()) {
      kept = lines.size();
    }
  }
  lines.resize(kept);
  return lines;
}

TapeLineParts SplitTapeLine(std::string_view line) {
  static constexpr std::array<char, 4> kOperators{'+', '-', '*', '/'};
  line = TrimSpaces(line);
  for (const char op : kOperators) {
    if (line.starts_with(OperatorSymbol(op))) {
      line.remove_prefix(OperatorSymbol(op).size());
      return {op, line};
    }
  }
  return {0, line};
}

std::string TapeCopyText(std::string_view tape) {
  std::string out;
  for (const std::string_view line : PlainTapeLines(tape)) {
    const TapeLineParts parts = SplitTapeLine(line);
    if (parts.op != 0) {
      out += parts.op;
    }
    out += parts.rest;
    out += '\n';
  }
  return out;
}

}  // namespace varuno
