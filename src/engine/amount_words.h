// Won amounts written in Korean words, as receipts, cheques and official
// documents write them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varuno {

// Why an amount could not be written in words (zero, negative, a fraction
// of a won, beyond 경, or no number).
inline constexpr std::string_view kAmountWordsRefusal = "원 단위 금액만 한글로 쓸 수 있습니다";

// A number text as the window shows it ("1,250,000", digits after the
// point only if they are all zero) written as receipts and cheques write
// it: "일금 일백이십오만원정". The words keep 일 before 십, 백 and 천 so
// that nobody can add one, skip zero groups and have no blanks. Nothing for
// zero, a negative number, a fraction of a won, 10^20 and beyond, and a text
// that is no number.
std::optional<std::string> AmountInWords(std::string_view shown);

// The same amount in the form official documents use, digits first and the
// words in parentheses: "금234,580원(금이십삼만사천오백팔십원)". Nothing
// where AmountInWords gives nothing.
std::optional<std::string> AmountDocumentText(std::string_view shown);

}  // namespace varuno
