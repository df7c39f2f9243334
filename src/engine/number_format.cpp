#include "engine/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace varuno {

int ColumnWidth(std::string_view text) {
  int columns = 0;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      columns += 1;
    } else if ((byte & 0xC0) == 0xC0) {
      columns += 2;  // lead byte of a multi-byte character; continuations add nothing
    }
  }
  return columns;
}

std::string PadLeft(std::string text, int width) {
  const int columns = ColumnWidth(text);
  if (columns < width) {
    text.insert(0, static_cast<std::size_t>(width - columns), ' ');
  }
  return text;
}

std::string FormatNumber(double value) {
  // The largest double has 309 integer digits; with sign, point and six
  // decimals the text fits comfortably in 400 bytes.
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 6);
  std::string text(buffer.data(), result.ec == std::errc{} ? result.ptr : buffer.data());

  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') {
      text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
      text.pop_back();
    }
  }

  const std::size_t point = text.find('.');
  long pos = static_cast<long>(point == std::string::npos ? text.size() : point) - 3;
  const long stop = (!text.empty() && text.front() == '-') ? 1 : 0;
  while (stop < pos) {
    text.insert(static_cast<std::size_t>(pos), 1, ',');
    pos -= 3;
  }
  return text;
}

std::string MakeTapeLine(std::string text) {
  text = PadLeft(std::move(text), kTapeWidth);
  text += "\r\n";
  return text;
}

namespace {

bool IsCSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  // from_chars takes no sign of its own and reads digits, fraction, exponent,
  // inf and nan exactly like strtod in the "C" locale, without any locale.
  if (first < last && (*first == '+' || *first == '-')) {
    return 0.0;
  }
  double value = 0.0;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // strtod gives +-HUGE_VAL on overflow and a tiny value or 0 on underflow;
    // from_chars leaves the value alone. Re-read the magnitude's exponent sign.
    const std::string_view digits(first, static_cast<std::size_t>(result.ptr - first));
    const std::size_t e = digits.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
    value = tiny ? 0.0 : HUGE_VAL;
  } else if (result.ec != std::errc{}) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::string StripCommas(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    if (ch != ',') {
      out += ch;
    }
  }
  return out;
}

}  // namespace varuno
