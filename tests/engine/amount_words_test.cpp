#include "engine/amount_words.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace varuno {
namespace {

struct WordsCase {
  const char* shown;
  const char* words;     // nullptr: refused
  const char* document;  // nullptr: refused
};

TEST(AmountWordsTest, WritesWholeWonAmountsInWords) {
  const WordsCase cases[] = {
      {"1,250,000", "일금 일백이십오만원정", "금1,250,000원(금일백이십오만원)"},
      {"100,000", "일금 일십만원정", "금100,000원(금일십만원)"},
      {"10,000", "일금 일만원정", "금10,000원(금일만원)"},
      {"100,000,000", "일금 일억원정", "금100,000,000원(금일억원)"},
      {"1,005,000", "일금 일백만오천원정", "금1,005,000원(금일백만오천원)"},
      {"1,234,567,890", "일금 일십이억삼천사백오십육만칠천팔백구십원정",
       "금1,234,567,890원(금일십이억삼천사백오십육만칠천팔백구십원)"},
      {"113,386", "일금 일십일만삼천삼백팔십육원정", "금113,386원(금일십일만삼천삼백팔십육원)"},
      {"1", "일금 일원정", "금1원(금일원)"},
      {"234,580", "일금 이십삼만사천오백팔십원정", "금234,580원(금이십삼만사천오백팔십원)"},
      {"100,000,001", "일금 일억일원정", "금100,000,001원(금일억일원)"},
      {"1,000,000,000,000,000", "일금 일천조원정", "금1,000,000,000,000,000원(금일천조원)"},
      {"99,999,999,999,999,999,999",
       "일금 구천구백구십구경구천구백구십구조구천구백구십구억구천구백구십구만구천구백구십구원정",
       "금99,999,999,999,999,999,999원("
       "금구천구백구십구경구천구백구십구조구천구백구십구억구천구백구십구만구천구백구십구원)"},
      {"10,000,000,000,000,000", "일금 일경원정", "금10,000,000,000,000,000원(금일경원)"},
      {"1,250,000.00", "일금 일백이십오만원정", "금1,250,000원(금일백이십오만원)"},  // zeros typed after the point
      {"12,345.", "일금 일만이천삼백사십오원정", "금12,345원(금일만이천삼백사십오원)"},
      {" 70 ", "일금 칠십원정", "금70원(금칠십원)"},
      // Refused.
      {"0", nullptr, nullptr},
      {"-0", nullptr, nullptr},
      {"0.00", nullptr, nullptr},
      {"-220,000", nullptr, nullptr},
      {"1,339,593.75", nullptr, nullptr},
      {"0.5", nullptr, nullptr},
      {"100,000,000,000,000,000,000", nullptr, nullptr},  // beyond 경
      {"inf", nullptr, nullptr},
      {"nan", nullptr, nullptr},
      {"", nullptr, nullptr},
      {"12원", nullptr, nullptr},
  };
  for (const WordsCase& c : cases) {
    const auto expect = [](const char* text) {
      return text == nullptr ? std::nullopt : std::optional<std::string>(text);
    };
    EXPECT_EQ(AmountInWords(c.shown), expect(c.words)) << c.shown;
    EXPECT_EQ(AmountDocumentText(c.shown), expect(c.document)) << c.shown;
  }
}

}  // namespace
}  // namespace varuno
