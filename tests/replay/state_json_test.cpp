// The output line: JSON escaping of every kind of byte, and the shape of the
// state object.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "state_json.h"

namespace varuno::replay {
namespace {

struct EscapeCase {
  std::string text;
  std::string json;
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << '"' << c.json << '"'; }

class JsonEscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonEscapeTest, Escapes) { EXPECT_EQ(JsonEscape(GetParam().text), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonEscapeTest,
    testing::Values(
        EscapeCase{"a\"b\\c/", "a\\\"b\\\\c/"},
        EscapeCase{std::string("\r\n\t\b\f\0\x1f\x7f", 8), "\\r\\n\\t\\b\\f\\u0000\\u001f\\u007f"},
        // Well-formed UTF-8 passes unchanged.
        EscapeCase{"합계 ━ \xf0\x9f\x98\x80", "합계 ━ \xf0\x9f\x98\x80"},
        // Anything else becomes U+FFFD, one per byte that cannot be read.
        EscapeCase{"a\x80z", "a\\ufffdz"},
        EscapeCase{"\xed\x95" "1", "\\ufffd\\ufffd" "1"},     // cut short
        EscapeCase{"\xc0\xaf", "\\ufffd\\ufffd"},              // overlong
        EscapeCase{"\xed\xa0\x80", "\\ufffd\\ufffd\\ufffd"},   // surrogate
        EscapeCase{"\xf4\x90\x80\x80", "\\ufffd\\ufffd\\ufffd\\ufffd"}));  // beyond U+10FFFF

TEST(StateJsonTest, ShowsAllThreeSurfacesAndTheSelection) {
  TextView view;
  EXPECT_EQ(StateJson(view), R"({"display": "0", "tape": "", "memory": [], "selected": -1, "spoken": ""})");

  view.SetDisplayText("-8");
  view.UpdateTape(TapeUpdate{"  1\r\n", 0, "  \"2\"\r\n"});
  view.List().AppendRow("  +5");
  view.List().AppendRow("합계\t5");
  view.List().SelectRow(1);
  EXPECT_EQ(StateJson(view, "합계 5"),
            R"({"display": "-8", "tape": "  1\r\n  \"2\"\r\n", "memory": ["  +5", "합계\t5"], )"
            R"("selected": 1, "spoken": "합계 5"})");
}

}  // namespace
}  // namespace varuno::replay
