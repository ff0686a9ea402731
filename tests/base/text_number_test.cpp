#include "base/text_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace pictavo {
namespace {

TEST(ParseInt, ReadsLikeAtoi) {
  EXPECT_EQ(parse_int("42"), 42);
  EXPECT_EQ(parse_int("  -7xyz"), -7);
  EXPECT_EQ(parse_int("+3"), 3);
  EXPECT_EQ(parse_int(""), 0);
  EXPECT_EQ(parse_int("abc"), 0);
  EXPECT_EQ(parse_int("- 5"), 0);
  EXPECT_EQ(parse_int("29.97"), 29);
}

TEST(ParseInt, ClampsInsteadOfOverflowing) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(parse_int("2147483647"), kMax);
  EXPECT_EQ(parse_int("2147483648"), kMax);
  EXPECT_EQ(parse_int("99999999999999999999999999"), kMax);
  EXPECT_EQ(parse_int("-2147483648"), kMin);
  EXPECT_EQ(parse_int("-99999999999999999999999999"), kMin);
}

}  // namespace
}  // namespace pictavo
