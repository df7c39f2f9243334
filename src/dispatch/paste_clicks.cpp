#include "dispatch/paste_clicks.h"

#include <string>

#include "engine/calc_engine.h"
#include "dispatch/command_table.h"

namespace varuno {

namespace {

constexpr std::string_view kUnicodeMinus = "\u2212";
// Blanks besides ASCII white space that spreadsheets and web pages put
// around numbers: no-break space and the ideographic space.
constexpr std::string_view kWideBlanks[] = {"\u00A0", "\u3000"};

bool IsAsciiBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

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
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return text;
}

// The integer digits without their group commas, or nothing when the commas
// do not group by three (a first group of one to three digits, then groups
// of exactly three).
std::optional<std::string> UngroupedDigits(std::string_view integer) {
  std::string digits;
  std::size_t group = 0;
  bool grouped = false;
  for (const char ch : integer) {
    if (ch == ',') {
      if (group == 0 || group > 3 || (grouped && group != 3)) {
        return std::nullopt;
      }
      grouped = true;
      group = 0;
    } else if (IsDigit(ch)) {
      digits += ch;
      ++group;
    } else {
      return std::nullopt;
    }
  }
  if (grouped && group != 3) {
    return std::nullopt;
  }
  return digits;
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
  text = TrimBlanks(text);
  bool negative = false;
  if (text.starts_with('-')) {
    negative = true;
    text.remove_prefix(1);
  } else if (text.starts_with(kUnicodeMinus)) {
    negative = true;
    text.remove_prefix(kUnicodeMinus.size());
  }

  const std::size_t point = text.find('.');
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const std::optional<std::string> integer = UngroupedDigits(text.substr(0, point));
  if (!integer) {
    return std::nullopt;
  }
  for (const char ch : fraction) {
    if (!IsDigit(ch)) {
      return std::nullopt;
    }
  }
  if (integer->empty() && fraction.empty()) {
    return std::nullopt;
  }

  // Leading zeros type nothing: a digit on the entry "0" replaces it.
  const std::size_t firstSignificant = integer->find_first_not_of('0');
  std::string_view digits = *integer;
  digits.remove_prefix(firstSignificant == std::string::npos ? digits.size() : firstSignificant);
  const bool hasPoint = point != std::string_view::npos;
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
  if (negative) {
    clicks.push_back(EntryButton(kEntrySign));
  }
  return clicks;
}

}  // namespace varuno
