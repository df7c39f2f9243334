#include "replay_command.h"

#include <charconv>
#include <system_error>
#include <utility>

#include "dispatch/control_ids.h"

namespace varuno::replay {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

constexpr bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// An optional "-" and one or more digits, nothing else.
bool IsInteger(std::string_view text) {
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return false;
  }
  for (const char ch : text) {
    if (!IsDigit(ch)) {
      return false;
    }
  }
  return true;
}

// The text as it may be quoted in a message: at most 40 bytes, with
// anything unprintable shown as \xHH.
std::string Quote(std::string_view text) {
  constexpr std::size_t kShown = 40;
  constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
      out += static_cast<char>(byte);
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  out += text.size() > kShown ? "\"..." : "\"";
  return out;
}

ReplayCommand Bad(std::string error) { return ReplayCommand{ReplayKind::Bad, 0, std::move(error)}; }

ReplayCommand ParseClick(std::string_view token) {
  int id = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), id);
  if (ec != std::errc{} || end != token.data() + token.size() || !IsMainWindowControl(id)) {
    return Bad(Quote(token) + " is not a control of the main window");
  }
  return ReplayCommand{ReplayKind::Click, id, {}};
}

ReplayCommand ParseSelect(std::string_view argument) {
  if (argument.empty()) {
    return Bad("select needs a row number");
  }
  if (!IsInteger(argument)) {
    return Bad("select: " + Quote(argument) + " is not a row number");
  }
  int row = 0;
  const auto [end, ec] = std::from_chars(argument.data(), argument.data() + argument.size(), row);
  if (ec != std::errc{} || end != argument.data() + argument.size()) {
    return Bad("select: row number " + Quote(argument) + " is out of range");
  }
  return ReplayCommand{ReplayKind::Select, row, {}};
}

}  // namespace

ReplayCommand ParseReplayLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#') {
    return {};
  }

  std::size_t wordEnd = 0;
  while (wordEnd < line.size() && !IsBlank(line[wordEnd])) {
    ++wordEnd;
  }
  const std::string_view word = line.substr(0, wordEnd);
  const std::string_view rest = Trim(line.substr(wordEnd));

  if (word == "select") {
    return ParseSelect(rest);
  }
  constexpr std::pair<std::string_view, ReplayKind> kBareWords[] = {
      {"focus-display", ReplayKind::FocusDisplay},
      {"blur-display", ReplayKind::BlurDisplay},
      {"undo", ReplayKind::Undo},
      {"redo", ReplayKind::Redo},
  };
  for (const auto& [name, kind] : kBareWords) {
    if (word == name) {
      if (!rest.empty()) {
        return Bad(std::string(word) + " takes no argument, got " + Quote(rest));
      }
      return ReplayCommand{kind, 0, {}};
    }
  }
  if (IsInteger(word)) {
    if (!rest.empty()) {
      return Bad("a click takes no argument, got " + Quote(rest));
    }
    return ParseClick(word);
  }
  return Bad("unknown command " + Quote(word));
}

ReplayCommand ParseScriptLine(const ScriptLine& line) {
  if (line.cut && !(!line.text.empty() && line.text.front() == '#')) {
    return Bad("line too long (" + std::to_string(line.bytes) + " bytes), starting " +
               Quote(line.text));
  }
  return ParseReplayLine(line.text);
}

}  // namespace varuno::replay
