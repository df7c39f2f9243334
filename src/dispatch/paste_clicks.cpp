#include "dispatch/paste_clicks.h"

#include <array>
#include <string>

#include "engine/calc_engine.h"
#include "dispatch/command_table.h"

namespace varuno {

namespace {

constexpr std::string_view kUnicodeMinus = "\u2212";
// The won sign and its full-width form, written before an amount.
constexpr std::string_view kWonSigns[] = {"\u20A9", "\uFFE6"};
// The word written after an amount.
constexpr std::string_view kWon = "원";
// Blanks besides ASCII white space that spreadsheets and web pages put
// around numbers: no-break space, narrow no-break space and the ideographic
// space.
constexpr std::string_view kWideBlanks[] = {"\u00A0", "\u202F", "\u3000"};
// What may stand between groups of three integer digits. One number uses
// one of them throughout.
constexpr std::string_view kGroupSeparators[] = {",", " ", "\u00A0", "\u202F"};
// The units of the groups of four digits, from 10^4 up.
constexpr std::array<std::string_view, 4> kManUnits{"만", "억", "조", "경"};
constexpr std::size_t kManGroupDigits = 4;

// UTF-8 of the full-width forms U+FF01 to U+FF3F is EF BC 81 to EF BC BF;
// each stands for the ASCII character 0xFEE0 below it.
constexpr char kFullWidthLead[] = "\xEF\xBC";

bool IsAsciiBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

bool IsDigits(std::string_view text) {
  for (const char ch : text) {
    if (!IsDigit(ch)) {
      return false;
    }
  }
  return true;
}

// The text with full-width digits, comma, minus and point made ASCII.
std::string WithAsciiDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    if (text.starts_with(kFullWidthLead) && text.size() >= 3) {
      const char ascii = static_cast<char>(static_cast<unsigned char>(text[2]) - 0x60);
      if (IsDigit(ascii) || ascii == ',' || ascii == '-' || ascii == '.') {
        out += ascii;
        text.remove_prefix(3);
        continue;
      }
    }
    out += text.front();
    text.remove_prefix(1);
  }
  return out;
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

bool ConsumeSuffix(std::string_view& text, std::string_view suffix) {
  if (!text.ends_with(suffix)) {
    return false;
  }
  text.remove_suffix(suffix.size());
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    while (!text.empty() && IsAsciiBlank(text.front())) {
      text.remove_prefix(1);
      trimmed = true;
    }
    while (!text.empty() && IsAsciiBlank(text.back())) {
      text.remove_suffix(1);
      trimmed = true;
    }
    for (const std::string_view blank : kWideBlanks) {
      trimmed = ConsumePrefix(text, blank) || trimmed;
      trimmed = ConsumeSuffix(text, blank) || trimmed;
    }
  }
  return text;
}

bool ConsumeSign(std::string_view& text) {
  return ConsumePrefix(text, "-") || ConsumePrefix(text, kUnicodeMinus);
}

// The integer digits without their group separators, or nothing when the
// separators do not group by three (a first group of one to three digits,
// then groups of exactly three) or differ. Blanks separate groups only where
// `blanksGroup` is set.
std::optional<std::string> UngroupedDigits(std::string_view integer, bool blanksGroup) {
  std::string digits;
  std::size_t group = 0;
  std::string_view separator;
  while (!integer.empty()) {
    if (IsDigit(integer.front())) {
      digits += integer.front();
      ++group;
      integer.remove_prefix(1);
      continue;
    }
    std::string_view found;
    for (const std::string_view candidate : kGroupSeparators) {
      if (integer.starts_with(candidate) && (blanksGroup || candidate == ",")) {
        found = candidate;
      }
    }
    const bool grouped = !separator.empty();
    if (found.empty() || (grouped && found != separator) || group == 0 || group > 3 ||
        (grouped && group != 3)) {
      return std::nullopt;
    }
    separator = found;
    group = 0;
    integer.remove_prefix(found.size());
  }
  if (!separator.empty() && group != 3) {
    return std::nullopt;
  }
  return digits;
}

// A number the way a pasted text writes it: sign, integer digits, and the
// digits after the point if it has one.
struct PastedNumber {
  bool negative = false;
  std::string integer;
  bool hasPoint = false;
  std::string fraction;
};

// Integer digits, grouped by three, and an optional fraction: "1,234.50",
// "1 250 000".
std::optional<PastedNumber> ReadGroupedNumber(std::string_view body) {
  const std::size_t point = body.find('.');
  PastedNumber number;
  number.hasPoint = point != std::string_view::npos;
  number.fraction = number.hasPoint ? body.substr(point + 1) : std::string_view();
  std::optional<std::string> integer = UngroupedDigits(body.substr(0, point), true);
  if (!integer || !IsDigits(number.fraction) || (integer->empty() && number.fraction.empty())) {
    return std::nullopt;
  }
  number.integer = std::move(*integer);
  return number;
}

// Groups of up to four digits followed by their units, highest first,
// blanks between them allowed, then the digits below 만 with an optional
// fraction: "125만", "1억 2,345만 6,789", "2조 5000억", "133만 9,593.75".
std::optional<PastedNumber> ReadManGroups(std::string_view body) {
  std::array<std::string, kManUnits.size() + 1> groups;  // groups[0] is below 만
  std::size_t above = kManUnits.size() + 1;  // the lowest unit read so far (index + 1)
  PastedNumber number;
  while (!body.empty()) {
    std::size_t length = 0;
    while (length < body.size() && (IsDigit(body[length]) || body[length] == ',')) {
      ++length;
    }
    const std::optional<std::string> digits = UngroupedDigits(body.substr(0, length), false);
    body.remove_prefix(length);
    if (!digits || digits->empty() || digits->size() > kManGroupDigits) {
      return std::nullopt;
    }
    std::size_t unit = 0;
    for (std::size_t i = 0; i < kManUnits.size() && unit == 0; ++i) {
      if (ConsumePrefix(body, kManUnits[i])) {
        unit = i + 1;
      }
    }
    if (unit == 0) {
      // The digits below 만 end the number; a unit must have come before.
      if (above > kManUnits.size()) {
        return std::nullopt;
      }
      groups[0] = *digits;
      if (ConsumePrefix(body, ".")) {
        number.hasPoint = true;
        number.fraction = body;
        body = {};
        if (!IsDigits(number.fraction)) {
          return std::nullopt;
        }
      }
      if (!body.empty()) {
        return std::nullopt;
      }
      break;
    }
    if (unit >= above || digits->find_first_not_of('0') == std::string::npos) {
      return std::nullopt;
    }
    above = unit;
    groups[unit] = *digits;
    body = TrimBlanks(body);
  }
  if (above > kManUnits.size()) {
    return std::nullopt;
  }
  for (std::size_t unit = groups.size(); unit-- > 0;) {
    const std::string& group = groups[unit];
    if (number.integer.empty()) {
      number.integer = group;
    } else {
      number.integer += std::string(kManGroupDigits - group.size(), '0') + group;
    }
  }
  return number;
}

// The number a pasted text denotes: the number itself with blanks around
// it, a sign or accounting parentheses, a won sign before it or 원 after it.
std::optional<PastedNumber> ReadPastedNumber(std::string_view pasted) {
  const std::string ascii = WithAsciiDigits(pasted);
  std::string_view text = TrimBlanks(ascii);
  const bool parenthesised = text.starts_with('(') && ConsumeSuffix(text, ")");
  if (parenthesised) {
    text = TrimBlanks(text.substr(1));
  }
  bool negative = ConsumeSign(text);
  bool wonSign = false;
  for (const std::string_view sign : kWonSigns) {
    wonSign = ConsumePrefix(text, sign) || wonSign;
  }
  if (wonSign) {
    text = TrimBlanks(text);
    negative = negative || ConsumeSign(text);
  }
  if (ConsumeSuffix(text, kWon)) {
    if (wonSign) {
      return std::nullopt;
    }
    text = TrimBlanks(text);
  }
  if (parenthesised && negative) {
    return std::nullopt;
  }
  bool manUnits = false;
  for (const std::string_view unit : kManUnits) {
    manUnits = manUnits || text.find(unit) != std::string_view::npos;
  }
  std::optional<PastedNumber> number = manUnits ? ReadManGroups(text) : ReadGroupedNumber(text);
  if (number) {
    number->negative = negative || parenthesised;
  }
  return number;
}

// The button whose click runs an operation, looked up in the command table.
ControlId ButtonFor(CommandKind kind, int arg = 0) {
  for (const CommandEntry& entry : CommandTable()) {
    if (entry.notification == BN_CLICKED && entry.kind == kind && entry.arg == arg) {
      return entry.controlId;
    }
  }
  return 0;
}

ControlId EntryButton(int code) { return ButtonFor(CommandKind::EntryKey, code); }

}  // namespace

std::optional<std::vector<ControlId>> PasteClicks(std::string_view text) {
  if (text.size() > kPasteMaxBytes) {
    return std::nullopt;
  }
  const std::optional<PastedNumber> number = ReadPastedNumber(text);
  if (!number) {
    return std::nullopt;
  }
  const std::string_view fraction = number->fraction;

  // Leading zeros type nothing: a digit on the entry "0" replaces it.
  const std::size_t firstSignificant = number->integer.find_first_not_of('0');
  std::string_view digits = number->integer;
  digits.remove_prefix(firstSignificant == std::string::npos ? digits.size() : firstSignificant);
  const bool hasPoint = number->hasPoint;
  // The entry as the clicks leave it: "0" stands in for no integer digits.
  const std::size_t entryLength =
      (digits.empty() ? 1 : digits.size()) + (hasPoint ? 1 + fraction.size() : 0);
  if (entryLength > kEntryLimit + 1) {
    return std::nullopt;
  }

  std::vector<ControlId> clicks{ButtonFor(CommandKind::ClearEntry)};
  if (digits.empty() && !hasPoint) {
    clicks.push_back(EntryButton(0));
  }
  for (const char ch : digits) {
    clicks.push_back(EntryButton(ch - '0'));
  }
  if (hasPoint) {
    clicks.push_back(EntryButton(kEntryPoint));
    for (const char ch : fraction) {
      clicks.push_back(EntryButton(ch - '0'));
    }
  }
  if (number->negative) {
    clicks.push_back(EntryButton(kEntrySign));
  }
  return clicks;
}

}  // namespace varuno
