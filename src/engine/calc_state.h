// The calculator's state record.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace varuno {

inline constexpr std::int32_t PHASE_FIRST = 1;   // typing the first operand, or just after equals
inline constexpr std::int32_t PHASE_SECOND = 2;  // an operator is pending; typing its right operand

struct CalcState {
  std::int32_t m_bNegative = 0;    // the entry is to be taken as negative; never part of m_strEntry
  std::string m_strTape;           // committed tape: lines written by evaluations and banners
  std::string m_strEntry = "0";    // digits and at most one "."; empty = nothing typed since an operator
  std::int32_t m_nPhase = PHASE_FIRST;
  double m_dAccum = 0.0;           // left operand and running result
  double m_dOperand = 0.0;         // right operand; kept so that equals can repeat
  char m_chOp = 0;                 // pending operator '+', '-', '*', '/' or 0
  char m_chPrevOp = 0;             // operator of the last evaluation, for folding +/- runs
};

// Whether two records hold the same bytes in every field but the tape
// (doubles by their bits, so a NaN equals itself and -0 differs from 0).
inline bool SameFields(const CalcState& a, const CalcState& b) {
  const auto sameBits = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
  return a.m_bNegative == b.m_bNegative && a.m_strEntry == b.m_strEntry && a.m_nPhase == b.m_nPhase &&
         sameBits(a.m_dAccum, b.m_dAccum) && sameBits(a.m_dOperand, b.m_dOperand) &&
         a.m_chOp == b.m_chOp && a.m_chPrevOp == b.m_chPrevOp;
}

}  // namespace varuno
