#include "engine/man_reading.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace varuno {
namespace {

struct ReadingCase {
  const char* shown;
  const char* reading;  // nullptr: no reading
};

TEST(ManReadingTest, ReadsByGroupsOfFourDigits) {
  const ReadingCase cases[] = {
      {"123,456,789", "1억 2,345만 6,789"},
      {"10,000", "1만"},
      {"100,000,000", "1억"},
      {"100,010,000", "1억 1만"},
      {"1,000,000,000,000", "1조"},
      {"1,339,593.75", "133만 9,593.75"},
      {"-220,000", "-22만"},
      {"113,386", "11만 3,386"},
      {"1,234,567,890.5", "12억 3,456만 7,890.5"},
      {"99,999,999,999,999,999,999", "9,999경 9,999조 9,999억 9,999만 9,999"},
      {"10,000,000,000,000,000", "1경"},
      {"100,000,005", "1억 5"},          // a group's leading zeros go
      {"100,000,000.5", "1억 0.5"},      // the fraction needs a group to stand after
      {"-100,000,000.25", "-1억 0.25"},
      {"12,345.", "1만 2,345"},          // an entry ending in its point
      {"12,345.50", "1만 2,345.50"},     // digits typed after the point stay
      {"  +1,000,000  ", "100만"},
      {"-10,000", "-1만"},
      // No reading.
      {"9,999", nullptr},
      {"9,999.99", nullptr},
      {"-9,999", nullptr},
      {"0", nullptr},
      {"-0", nullptr},
      {"00,009,999", nullptr},
      {"100,000,000,000,000,000,000", nullptr},  // beyond 경
      {"inf", nullptr},
      {"-inf", nullptr},
      {"nan", nullptr},
      {"", nullptr},
      {"1.2.3", nullptr},
      {"12,345원", nullptr},
      {"1e20", nullptr},
  };
  for (const ReadingCase& c : cases) {
    const std::optional<std::string> reading = ManReading(c.shown);
    if (c.reading == nullptr) {
      EXPECT_EQ(reading, std::nullopt) << c.shown;
    } else {
      EXPECT_EQ(reading, std::optional<std::string>(c.reading)) << c.shown;
    }
  }
}

}  // namespace
}  // namespace varuno
