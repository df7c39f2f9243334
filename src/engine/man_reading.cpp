#include "engine/man_reading.h"

#include <algorithm>
#include <array>

#include "engine/clipboard_text.h"

namespace varuno {

namespace {

// The units of the groups above the lowest, from 10^4 up.
constexpr std::array<std::string_view, 4> kUnits{"만", "억", "조", "경"};
constexpr std::size_t kGroupDigits = 4;

// Up to four digits without their leading zeros, grouped by three: "0789"
// -> "789", "2345" -> "2,345"; empty for "0000".
std::string GroupText(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) {
    return {};
  }
  digits.remove_prefix(first);
  std::string text(digits);
  if (text.size() == kGroupDigits) {
    text.insert(1, ",");
  }
  return text;
}

}  // namespace

std::optional<std::string> ManReading(std::string_view shown) {
  const std::optional<std::string> plain = PlainNumber(shown);
  if (!plain) {
    return std::nullopt;
  }
  std::string_view number = *plain;
  const bool negative = number.starts_with('-');
  if (negative) {
    number.remove_prefix(1);
  }
  const std::size_t point = number.find('.');
  std::string_view integer = number.substr(0, point);
  // A bare trailing point (an entry being typed) reads as nothing.
  const std::string_view fraction =
      point == std::string_view::npos || point + 1 == number.size() ? std::string_view()
                                                                    : number.substr(point);
  integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size()));
  if (integer.size() <= kGroupDigits || integer.size() > kGroupDigits * (kUnits.size() + 1)) {
    return std::nullopt;
  }

  std::string reading = negative ? "-" : "";
  std::size_t groups = (integer.size() + kGroupDigits - 1) / kGroupDigits;
  std::size_t end = integer.size() - (groups - 1) * kGroupDigits;  // end of the top group
  std::size_t begin = 0;
  while (groups-- > 0) {
    const std::string group = GroupText(integer.substr(begin, end - begin));
    const bool last = groups == 0;
    if (!group.empty() || (last && !fraction.empty())) {
      if (reading.size() > (negative ? 1u : 0u)) {
        reading += ' ';
      }
      reading += group.empty() ? "0" : group;
      reading += last ? std::string(fraction) : std::string(kUnits[groups - 1]);
    }
    begin = end;
    end += kGroupDigits;
  }
  return reading;
}

}  // namespace varuno
