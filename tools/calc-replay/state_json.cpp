#include "state_json.h"

#include <cstddef>

namespace varuno::replay {

namespace {

// Length of the well-formed UTF-8 sequence that starts text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = at(i);
  std::size_t length = 0;
  unsigned char low = 0x80;  // range of the first continuation byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) {
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char byte = at(i + k);
    const unsigned char min = k == 1 ? low : 0x80;
    const unsigned char max = k == 1 ? high : 0xBF;
    if (byte < min || byte > max) {
      return 0;
    }
  }
  return length;
}

}  // namespace

std::string JsonEscape(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(text, i);
      if (length == 0) {
        out += "\\ufffd";
        ++i;
      } else {
        out.append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (byte) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0x0F];
        } else {
          out += static_cast<char>(byte);
        }
        break;
    }
    ++i;
  }
  return out;
}

std::string StateJson(const TextView& view, std::string_view spoken) {
  std::string json = "{\"display\": \"";
  json += JsonEscape(view.DisplayText());
  json += "\", \"tape\": \"";
  json += JsonEscape(view.TapeText());
  json += "\", \"memory\": [";
  const auto& rows = view.List().Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) {
      json += ", ";
    }
    json += '"';
    json += JsonEscape(rows[i]);
    json += '"';
  }
  json += "], \"selected\": ";
  json += std::to_string(view.List().SelectedRow());
  json += ", \"spoken\": \"";
  json += JsonEscape(spoken);
  json += "\"}";
  return json;
}

}  // namespace varuno::replay
