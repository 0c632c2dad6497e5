#include "core/common/number_text.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

TEST(NumberTextTest, GeneralFormWithFifteenDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {41990, "41990"},
      {41990.5, "41990.5"},
      {0.13, "0.13"},
      {0, "0"},
      {-3.25, "-3.25"},
      {0.00001, "0.00001"},
      {0.0000015, "1.5E-6"},
      {1e15, "1E15"},
      {123456789012345, "123456789012345"},
      {1.0 / 3, "0.333333333333333"},
      {41991.999999999, "41991.999999999"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral15(c.value), c.text) << c.value;
  EXPECT_EQ(FormatGeneral15(41990.5, ','), "41990,5");
}

TEST(NumberTextTest, ParsesWithEitherSeparator) {
  EXPECT_EQ(ParseDouble("41990.5", '.'), 41990.5);
  EXPECT_EQ(ParseDouble("41990,5", ','), 41990.5);
  EXPECT_EQ(ParseDouble("1.5E-6", '.'), 1.5e-6);
  EXPECT_EQ(ParseDouble("41990,5", '.'), std::nullopt);
  EXPECT_EQ(ParseDouble("41990.5", ','), std::nullopt);
  EXPECT_EQ(ParseDouble("nan", '.'), std::nullopt);
  EXPECT_EQ(ParseDouble("", '.'), std::nullopt);
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_EQ(ParseInteger("-7"), -7);
  EXPECT_EQ(ParseInteger("4x"), std::nullopt);
  EXPECT_EQ(ParseInteger("+"), std::nullopt);
  EXPECT_EQ(Trim(std::string_view("\t\x01 a b \r\n")), "a b");
}

}  // namespace
}  // namespace kvor
