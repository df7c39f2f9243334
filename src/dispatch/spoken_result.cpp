#include "dispatch/spoken_result.h"

#include <optional>

#include "engine/man_reading.h"
#include "engine/tape_text.h"
#include "memory/memory_list.h"

namespace varuno {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string CollapseBlanks(std::string_view text) {
  std::string out;
  bool blank = false;
  for (const char ch : Trim(text)) {
    if (ch == ' ') {
      blank = true;
      continue;
    }
    if (blank) {
      out += ' ';
      blank = false;
    }
    out += ch;
  }
  return out;
}

// The last line of the tape, when the command has just written it.
std::string_view NewLastLine(std::string_view tape, std::size_t before) {
  if (tape.size() <= before) {
    return {};
  }
  const std::string_view body = Trim(tape.substr(before));
  const std::size_t lineFeed = body.rfind('\n');
  return Trim(lineFeed == std::string_view::npos ? body : body.substr(lineFeed + 1));
}

}  // namespace

std::string SpokenNumber(std::string_view shown) {
  std::string spoken(Trim(shown));
  if (const std::optional<std::string> reading = ManReading(spoken)) {
    spoken += ", " + *reading;
  }
  return spoken;
}

std::string SpokenMemoryTotal(ListSurface& list) {
  const int rows = list.RowCount();
  if (rows == 0) {
    return std::string(kMemoryTotalLabel) + " 0";
  }
  return SpokenMemoryRow(list.RowText(rows - 1));
}

std::string SpokenResult(CommandKind kind, const SpeechBefore& before, CalcView& view,
                         std::string_view committedTape) {
  switch (kind) {
    case CommandKind::Operator:
    case CommandKind::Equals:
      if (NewLastLine(committedTape, before.tapeBytes) == kDivideByZeroText) {
        return std::string(kDivideByZeroText);
      }
      return SpokenNumber(view.DisplayText());
    case CommandKind::MemoryAdd:
    case CommandKind::MemoryDelete: {
      if (view.MemoryList().RowCount() == before.memoryRows) {
        return {};
      }
      return SpokenMemoryTotal(view.MemoryList());
    }
    case CommandKind::DisplaySetFocus:
      return SpokenNumber(before.display);
    default:
      return {};
  }
}

std::string TapeLastResult(std::string_view tape) {
  // From the end, as a long tape is read each time it takes the focus: the
  // first line that is the division message or has a rule above it (blank
  // lines between them do not count).
  const std::string_view rule = Trim(kRuleText);
  std::string_view below;  // the nearest line after the one looked at
  while (!tape.empty()) {
    const std::size_t lineFeed = tape.rfind('\n');
    const std::string_view line = Trim(lineFeed == std::string_view::npos ? tape : tape.substr(lineFeed + 1));
    tape = tape.substr(0, lineFeed == std::string_view::npos ? 0 : lineFeed);
    if (line.empty()) {
      continue;
    }
    if (line == rule && !below.empty()) {
      return std::string(below);
    }
    if (line == kDivideByZeroText) {
      return std::string(line);
    }
    below = line;
  }
  return {};
}

std::string SpokenMemoryRow(std::string_view row) {
  if (Trim(row) == kMemoryRuleRow) {
    return {};
  }
  return CollapseBlanks(row);
}

}  // namespace varuno
