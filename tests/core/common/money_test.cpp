#include "core/common/money.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace kvor {
namespace {

struct TextCase {
  int64_t raw;
  const char* text;
};

class MoneyTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(MoneyTextTest, ShortTextRoundTrips) {
  Money money = Money::FromRaw(GetParam().raw);
  EXPECT_EQ(money.ToShortText(), GetParam().text);
  EXPECT_EQ(Money::Parse(GetParam().text, '.'), money);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MoneyTextTest,
    testing::Values(TextCase{15000000, "1500"}, TextCase{12345000, "1234.5"},
                    TextCase{12345600, "1234.56"}, TextCase{1, "0.0001"}, TextCase{-32500, "-3.25"},
                    TextCase{0, "0"}, TextCase{-1, "-0.0001"},
                    TextCase{std::numeric_limits<int64_t>::max(), "922337203685477.5807"},
                    TextCase{std::numeric_limits<int64_t>::min(), "-922337203685477.5808"}));

TEST(MoneyParseTest, AcceptsAndRefuses) {
  EXPECT_EQ(Money::Parse("12,5", ','), Money::FromRaw(125000));
  EXPECT_EQ(Money::Parse(" 7 ", '.'), Money::Roubles(7));
  EXPECT_EQ(Money::Parse(".5", '.'), Money::FromRaw(5000));
  EXPECT_EQ(Money::Parse("5.", '.'), Money::Roubles(5));
  EXPECT_EQ(Money::Parse("+2", '.'), Money::Roubles(2));
  EXPECT_EQ(Money::Parse("0.00005", '.'), Money::FromRaw(1));  // rounded to four decimals
  EXPECT_EQ(Money::Parse("0.00004", '.'), Money::FromRaw(0));
  for (const char* bad : {"", " ", "-", ".", "1.2.3", "12a", "1,5", "1e3", "--1", "922337203685478",
                          "99999999999999999999"})
    EXPECT_EQ(Money::Parse(bad, '.'), std::nullopt) << bad;
  EXPECT_EQ(Money::ParseEither("1234,56"), Money::Kopecks(123456));
  EXPECT_EQ(Money::ParseEither("1234.56"), Money::Kopecks(123456));
}

struct RoundCase {
  const char* value;
  const char* roubles;
  const char* kopecks;
};

class MoneyRoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(MoneyRoundTest, HalfUpWithNegativesCut) {
  Money value = *Money::Parse(GetParam().value, '.');
  EXPECT_EQ(value.RoundHalfUpToRoubles().ToShortText(), GetParam().roubles);
  EXPECT_EQ(value.RoundHalfUpToKopecks().ToShortText(), GetParam().kopecks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyRoundTest,
    testing::Values(RoundCase{"6.5", "7", "6.5"}, RoundCase{"6.4999", "6", "6.5"},
                    RoundCase{"6.005", "6", "6.01"}, RoundCase{"6.0049", "6", "6"},
                    RoundCase{"-2.7", "-2", "-2.7"}, RoundCase{"-2.005", "-2", "-2"},
                    RoundCase{"0", "0", "0"}));

TEST(MoneyTest, TruncationCutsTowardZero) {
  EXPECT_EQ(Money::Parse("12.3456", '.')->TruncToKopecks(), Money::Kopecks(1234));
  EXPECT_EQ(Money::Parse("-12.3456", '.')->TruncToKopecks(), -Money::Kopecks(1234));
  EXPECT_EQ(Money::Parse("12.99", '.')->TruncToRoubles(), Money::Roubles(12));
}

TEST(MoneyTest, ProductsWithRatesAreExact) {
  // 90.00 * 35 % is exactly 31.5, which rounds to 32; binary floating point gives 31.4999...
  EXPECT_EQ(Money::Roubles(90).MulRatioRoundToRoubles(35, 100), Money::Roubles(32));
  EXPECT_EQ(Money::Roubles(50).MulRatioRoundToRoubles(13, 100), Money::Roubles(7));
  EXPECT_EQ(Money::Kopecks(4999).MulRatioRoundToRoubles(13, 100), Money::Roubles(6));
  EXPECT_EQ(Money::Kopecks(1005).MulRatioRoundToKopecks(1, 2), Money::Kopecks(503));
  EXPECT_EQ(Money::Roubles(-90).MulRatioRoundToRoubles(35, 100), Money::Roubles(-31));
  EXPECT_THROW(Money::Roubles(1).MulRatioRoundToRoubles(1, 0), std::invalid_argument);
}

TEST(MoneyTest, OverflowIsAnError) {
  Money big = Money::FromRaw(std::numeric_limits<int64_t>::max());
  EXPECT_THROW(big + Money::FromRaw(1), std::overflow_error);
  EXPECT_THROW(-Money::FromRaw(std::numeric_limits<int64_t>::min()), std::overflow_error);
  EXPECT_THROW(big.MulRatioRoundToRoubles(2, 1), std::overflow_error);
}

TEST(MoneyTest, FromDouble) {
  EXPECT_EQ(Money::FromDouble(0.13), Money::FromRaw(1300));
  EXPECT_EQ(Money::FromDouble(1e30), std::nullopt);
}

}  // namespace
}  // namespace kvor
