// Pastes texts into the calculator and checks that an accepted text leaves
// on the display exactly the number it denotes. The number a text denotes
// is read here in a way of its own, code point by code point: every digit
// counts, 만 억 조 경 multiply the digits before them, a point starts the
// fraction, a minus sign or a parenthesis makes the number negative, and
// everything else (group separators, won signs, 원, blanks) is ignored.
// That reading is loose on purpose; which texts are accepted at all is the
// unit tests' business.
//
// The first byte chooses the input: an even byte pastes the rest as it
// stands; an odd byte builds an amount from the rest, writes it one of the
// ways paste must accept (by 만 groups as the window reads it, with a won
// sign or 원, full-width, grouped by blanks, in accounting parentheses) and
// requires it to be accepted. Any violation aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dispatch/calculator.h"
#include "dispatch/paste_clicks.h"
#include "engine/man_reading.h"
#include "engine/number_format.h"
#include "engine/text_view.h"

namespace varuno {
namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, std::string_view detail) {
  std::fprintf(stderr, "paste: %s\n  text: %.*s\n  %.*s\n", what, static_cast<int>(text.size()),
               text.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// The next code point of a UTF-8 text, or U+FFFD for a malformed byte.
char32_t NextCodePoint(std::string_view& text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || length > text.size()) {
    text.remove_prefix(1);
    return 0xFFFD;
  }
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    code = (code << 6) | (byte(i) & 0x3F);
  }
  text.remove_prefix(length);
  return code;
}

int ManUnitPower(char32_t code) {
  switch (code) {
    case U'만':
      return 1;
    case U'억':
      return 2;
    case U'조':
      return 3;
    case U'경':
      return 4;
    default:
      return 0;
  }
}

// The number the text denotes, as plain decimal digits with an optional
// sign and point ("-1250000.5"); empty when it has far more digits than
// any accepted paste can have.
std::string Denoted(std::string_view text) {
  bool negative = false;
  bool point = false;
  unsigned __int128 total = 0;
  unsigned __int128 piece = 0;
  std::string fraction;
  // Beyond this a piece cannot be pasted whole; it also keeps the sums
  // below 2^128.
  constexpr unsigned __int128 kPieceLimit =
      static_cast<unsigned __int128>(10'000'000'000) * 10'000'000'000;
  while (!text.empty()) {
    char32_t code = NextCodePoint(text);
    if (code >= U'０' && code <= U'９') {
      code = code - U'０' + U'0';
    } else if (code == U'．') {
      code = U'.';
    }
    if (code >= U'0' && code <= U'9') {
      if (point) {
        fraction += static_cast<char>(code);
      } else {
        piece = piece * 10 + (code - U'0');
      }
      if (piece > kPieceLimit || fraction.size() > 30) {
        return {};
      }
    } else if (code == U'.') {
      point = true;
    } else if (code == U'-' || code == U'\u2212' || code == U'－' || code == U'(') {
      negative = true;
    } else if (const int power = ManUnitPower(code); power != 0) {
      unsigned __int128 unit = 1;
      for (int i = 0; i < power; ++i) {
        unit *= 10000;
      }
      total += piece * unit;
      piece = 0;
    }
  }
  total += piece;
  std::string integer;
  do {
    integer.insert(integer.begin(), static_cast<char>('0' + static_cast<int>(total % 10)));
    total /= 10;
  } while (total != 0);
  return (negative ? "-" : "") + integer + (point ? "." + fraction : "");
}

// Pastes the text into a fresh calculator; false when paste refused it.
// Aborts when the display shows a number other than the one denoted.
bool PasteAndCheck(std::string_view text) {
  const auto clicks = PasteClicks(text);
  if (!clicks) {
    return false;
  }
  TextView view;
  Calculator calculator{view};
  for (const ControlId id : *clicks) {
    if (!calculator.Dispatch(BN_CLICKED, id)) {
      Fail("a click no control takes", text, std::to_string(id));
    }
  }
  const std::string denoted = Denoted(text);
  const std::string shown = StripCommas(view.DisplayText());
  if (denoted.empty()) {
    Fail("accepted a text with more digits than the entry holds", text, shown);
  }
  // At most 14 significant digits on either side: equal doubles mean equal
  // numbers. A negative zero shows "-0", which equals 0 as well.
  if (std::strtod(denoted.c_str(), nullptr) != std::strtod(shown.c_str(), nullptr) ||
      (shown.starts_with('-') != denoted.starts_with('-'))) {
    Fail("the display shows another number", text, shown + " instead of " + denoted);
  }
  return true;
}

std::string FullWidth(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    if ((ch >= '0' && ch <= '9') || ch == ',' || ch == '.' || ch == '-') {
      // U+FF00 + (ch - 0x20): EF BC followed by 0x80 + (ch - 0x20).
      out += "\xEF\xBC";
      out += static_cast<char>(0x60 + ch);
    } else {
      out += ch;
    }
  }
  return out;
}

std::string ReplaceCommas(std::string_view text, std::string_view separator) {
  std::string out;
  for (const char ch : text) {
    if (ch == ',') {
      out += separator;
    } else {
      out += ch;
    }
  }
  return out;
}

// An amount of at most 14 digits written one of the ways paste accepts.
std::string WrittenAmount(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    bits = (bits << 8) | (i < size ? data[i] : 0);
  }
  const std::uint8_t style = size > 8 ? data[8] : 0;
  const int fractionDigits = bits % 4;
  bits /= 4;
  std::uint64_t limit = 1;
  for (int i = 0; i < 14 - fractionDigits - (fractionDigits > 0 ? 1 : 0); ++i) {
    limit *= 10;
  }
  // Small amounts as often as large ones: cut the digits to a random count.
  std::uint64_t cut = 1;
  for (int i = static_cast<int>(bits % 15); i > 0 && cut < limit; --i) {
    cut *= 10;
  }
  bits /= 15;
  const std::uint64_t integer = bits % cut;
  std::string fraction = std::to_string(bits / cut % 1000 + 1000).substr(1, fractionDigits);
  std::string shown = FormatNumber(static_cast<double>(integer));
  if (fractionDigits > 0) {
    shown += "." + fraction;
  }
  std::string text = shown;
  const std::optional<std::string> reading = ManReading(shown);
  if ((style & 1) != 0 && reading) {
    text = *reading;
  } else if ((style & 2) != 0) {
    static constexpr std::string_view kSeparators[] = {" ", "\u00A0", "\u202F", ","};
    text = ReplaceCommas(text, kSeparators[(style >> 6) & 3]);
  }
  if ((style & 4) != 0) {
    text = FullWidth(text);
  }
  if ((style & 8) != 0) {
    text = "\u20A9" + text;
  } else if ((style & 16) != 0) {
    text += (style & 2) != 0 ? " 원" : "원";
  }
  if ((style & 32) != 0) {
    text = (style & 1) != 0 ? "(" + text + ")" : ((style & 2) != 0 ? "\u2212" : "-") + text;
  }
  return text;
}

}  // namespace
}  // namespace varuno

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace varuno;
  if (size == 0) {
    return 0;
  }
  if ((data[0] & 1) == 0) {
    PasteAndCheck(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  } else {
    const std::string text = WrittenAmount(data + 1, size - 1);
    if (!PasteAndCheck(text)) {
      Fail("refused an amount written as paste must accept", text, {});
    }
  }
  return 0;
}
