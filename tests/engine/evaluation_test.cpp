// Operator and equals scenarios: keys in, display and tape out.
#include <gtest/gtest.h>

#include <ostream>

#include <initializer_list>

#include "key_script.h"
#include "engine/tape_text.h"

namespace varuno::test {
namespace {

std::string Lines(std::initializer_list<std::string_view> texts) {
  std::string tape;
  for (const auto text : texts) {
    tape += Line(text);
  }
  return tape;
}

const std::string_view kRule = kRuleText;

struct EvalCase {
  const char* keys;
  const char* display;
  std::string tape;  // committed tape
};

void PrintTo(const EvalCase& c, std::ostream* os) { *os << '"' << c.keys << '"'; }

class EvaluationTest : public testing::TestWithParam<EvalCase> {};

TEST_P(EvaluationTest, KeysGiveDisplayAndTape) {
  Calculator calc;
  calc.Press(GetParam().keys);
  EXPECT_EQ(calc.view.DisplayText(), GetParam().display);
  EXPECT_EQ(calc.engine.State().m_strTape, GetParam().tape);
  EXPECT_EQ(calc.view.TapeText(), calc.engine.State().m_strTape + calc.engine.PendingLine());
}

const std::string kDivZero = "\r\n" + Line(kDivideByZeroText);

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluationTest,
    testing::Values(
        // The worked tape: the + run folds, the * does not.
        EvalCase{"12+3=+4=*2=", "38", Lines({"12", "＋3", "＋4", kRule, "19", "×2", kRule, "38"})},
        EvalCase{"12+3=-1=", "14", Lines({"12", "＋3", "－1", kRule, "14"})},
        EvalCase{"1+2+3-4=", "2", Lines({"1", "＋2", "＋3", "－4", kRule, "2"})},
        EvalCase{"2*3+4=", "10", Lines({"2", "×3", kRule, "6", "＋4", kRule, "10"})},
        EvalCase{"2+3*4=", "20", Lines({"2", "＋3", kRule, "5", "×4", kRule, "20"})},
        // Presets when no operand is typed.
        EvalCase{"5*=", "25", Lines({"5", "×5", kRule, "25"})},
        EvalCase{"8/=", "8", Lines({"8", "÷1", kRule, "8"})},
        EvalCase{"8+=", "8", Lines({"8", "＋0", kRule, "8"})},
        EvalCase{"8-=", "8", Lines({"8", "－0", kRule, "8"})},
        // Repeated equals repeats the operation; + folds, * does not.
        EvalCase{"12+3==", "18", Lines({"12", "＋3", "＋3", kRule, "18"})},
        EvalCase{"3*2==", "12", Lines({"3", "×2", kRule, "6", "×2", kRule, "12"})},
        // A second operator replaces the first.
        EvalCase{"12+*3=", "36", Lines({"12", "×3", kRule, "36"})},
        // Negative operands in brackets; the sign is used once.
        EvalCase{"10-3S=", "13", Lines({"10", "－(-3)", kRule, "13"})},
        EvalCase{"5S+2=", "-3", Lines({"-5", "＋2", kRule, "-3"})},
        // Equals on a bare number.
        EvalCase{"7=", "7", Lines({kRule, "7"})},
        // Division by zero leaves the accumulator and the display alone.
        EvalCase{"8/0=", "0", Line("8") + kDivZero},
        EvalCase{"8/0==", "0", Line("8") + kDivZero + kDivZero},
        EvalCase{"8/0+2=", "10", Line("8") + kDivZero + Lines({"＋2", kRule, "10"})},
        EvalCase{"1/3=", "0.333333", Lines({"1", "÷3", kRule, "0.333333"})}));

TEST(EvaluationTest, OperatorEvaluatesThePendingOneAtOnce) {
  Calculator calc;
  calc.Press("12+3+");
  EXPECT_EQ(calc.view.DisplayText(), "15");
  EXPECT_EQ(calc.view.PendingLine(), Line("＋"));
}

TEST(EvaluationTest, SignOnABareNumberSurvivesEquals) {
  Calculator calc;
  calc.Press("5S=");
  EXPECT_EQ(calc.engine.State().m_strTape, Lines({kRule, "-5"}));
  EXPECT_EQ(calc.engine.State().m_bNegative, 1);
  calc.Press("3");
  EXPECT_EQ(calc.view.DisplayText(), "-3");
}

TEST(EvaluationTest, OperatorAfterEqualsChainsOnTheResult) {
  Calculator calc;
  calc.Press("2+3=*4=");
  EXPECT_EQ(calc.engine.State().m_strTape, Lines({"2", "＋3", kRule, "5", "×4", kRule, "20"}));
}

TEST(EvaluationTest, PendingLineShowsOperatorAndSignedEntry) {
  Calculator calc;
  calc.Press("9-");
  EXPECT_EQ(calc.view.PendingLine(), std::string(20, ' ') + "－\r\n");
  calc.Press("C9*5S");
  EXPECT_EQ(calc.view.PendingLine(), Line("×(-5)"));
}

}  // namespace
}  // namespace varuno::test
