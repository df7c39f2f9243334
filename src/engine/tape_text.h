// The fixed texts the engine writes to the tape (UTF-8).
#pragma once

#include <string_view>

namespace varuno {

// Written after equals when a new calculation begins: 22 columns.
inline constexpr std::string_view kNewInputBanner = "     새로운 입력입니다";
// Rule between the operands and the result: 14 columns.
inline constexpr std::string_view kRuleText = "  ──────";
// Written instead of a result when dividing by zero: 22 columns.
inline constexpr std::string_view kDivideByZeroText = "0으로 나눌 수 없습니다";

inline constexpr std::string_view kLineBreak = "\r\n";

// Tape symbol of a pending operator ('+', '-', '*', '/'); empty for anything else.
constexpr std::string_view OperatorSymbol(char op) {
  switch (op) {
    case '+': return "＋";
    case '-': return "－";
    case '*': return "×";
    case '/': return "÷";
    default: return {};
  }
}

}  // namespace varuno
