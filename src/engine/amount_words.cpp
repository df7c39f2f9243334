#include "engine/amount_words.h"

#include <array>

#include "engine/clipboard_text.h"

namespace varuno {

namespace {

constexpr std::array<std::string_view, 10> kDigitWords{"",   "일", "이", "삼", "사",
                                                       "오", "육", "칠", "팔", "구"};
// The places inside a group of four digits, from the left.
constexpr std::array<std::string_view, 4> kPlaceWords{"천", "백", "십", ""};
// The units of the groups, from the lowest.
constexpr std::array<std::string_view, 5> kGroupUnits{"", "만", "억", "조", "경"};
constexpr std::size_t kGroupDigits = kPlaceWords.size();

// The integer digits of a whole positive number of won, without leading
// zeros, or nothing.
std::optional<std::string> WholeWonDigits(std::string_view shown) {
  std::optional<std::string> plain = PlainNumber(shown);
  if (!plain || plain->starts_with('-')) {
    return std::nullopt;
  }
  const std::size_t point = plain->find('.');
  if (point != std::string::npos) {
    if (plain->find_first_not_of('0', point + 1) != std::string::npos) {
      return std::nullopt;
    }
    plain->resize(point);
  }
  const std::size_t first = plain->find_first_not_of('0');
  if (first == std::string::npos || plain->size() - first > kGroupDigits * kGroupUnits.size()) {
    return std::nullopt;
  }
  return plain->substr(first);
}

// Sino-Korean words for the digits, 일 kept before every place.
std::string Words(std::string_view digits) {
  std::string words;
  const std::size_t size = digits.size();
  bool groupHasDigit = false;
  for (std::size_t i = 0; i < size; ++i) {
    const std::size_t fromRight = size - 1 - i;
    const int digit = digits[i] - '0';
    if (digit != 0) {
      words += kDigitWords[digit];
      words += kPlaceWords[kGroupDigits - 1 - fromRight % kGroupDigits];
      groupHasDigit = true;
    }
    if (fromRight % kGroupDigits == 0 && groupHasDigit) {
      words += kGroupUnits[fromRight / kGroupDigits];
      groupHasDigit = false;
    }
  }
  return words;
}

}  // namespace

std::optional<std::string> AmountInWords(std::string_view shown) {
  const std::optional<std::string> digits = WholeWonDigits(shown);
  if (!digits) {
    return std::nullopt;
  }
  return "일금 " + Words(*digits) + "원정";
}

std::optional<std::string> AmountDocumentText(std::string_view shown) {
  const std::optional<std::string> digits = WholeWonDigits(shown);
  if (!digits) {
    return std::nullopt;
  }
  std::string grouped = *digits;
  for (std::size_t pos = grouped.size(); pos > 3;) {
    pos -= 3;
    grouped.insert(pos, ",");
  }
  return "금" + grouped + "원(금" + Words(*digits) + "원)";
}

}  // namespace varuno
