// The tax at a rate, the cut percentage, the "with kopecks" text, and the income lists as the
// computation reads them.
#include <gtest/gtest.h>

#include "core/common/money_text.h"
#include "core/computation/returns.h"
#include "core/computation/tax_rules.h"

namespace kvor {
namespace {

using returns::M;

TEST(TaxAtRateTest, ExactProductRoundedHalfUpToRoubles) {
  struct Case {
    const char* base;
    int64_t percent;
    const char* tax;  // worked out by hand
  } cases[] = {
      {"50", 13, "7"},           // 6.5 goes up
      {"49.99", 13, "6"},        // 6.4987 is dropped
      {"90", 35, "32"},          // exactly 31.5, which binary floating point makes 31.4999…
      {"0", 13, "0"},            //
      {"100000", 13, "13000"},   //
      {"1000.01", 30, "300"},    // 300.003
      {"16.67", 9, "2"},         // 1.5003
      {"16.66", 9, "1"},         // 1.4994
      {"14000.75", 35, "4900"},  // 4900.2625
      {"3.3333", 15, "0"},       // 0.499995
      {"-50", 13, "-6"},         // a negative product is cut toward zero
      {"123456789.99", 13, "16049383"},  // 16049382.6987
  };
  for (const Case& c : cases)
    EXPECT_EQ(TaxAtRate(M(c.base), c.percent), M(c.tax)) << c.base << " at " << c.percent;
}

TEST(TaxAtRateTest, PercentIsCutToKopecks) {
  struct Case {
    const char* amount;
    const char* quarter;
  } cases[] = {
      {"200000", "50000"},  {"1234.57", "308.64"},  // 308.6425
      {"0.03", "0"},                                // 0.0075
      {"0.0399", "0"},                              // 0.009975
      {"999.99", "249.99"},                         // 249.9975, never rounded up
  };
  for (const Case& c : cases)
    EXPECT_EQ(PercentCutToKopecks(M(c.amount), 25), M(c.quarter)) << c.amount;
}

TEST(WithKopecksTextTest, CutsAndLimits) {
  struct Case {
    const char* amount;
    const char* text;
  } cases[] = {
      {"12.3456", "12.34"},
      {"0", "0.00"},
      {"0.5", "0.50"},
      {"1000", "1000.00"},
      {"-5", "0.00"},
      {"999999999999.999", "999999999999.99"},  // 15 characters: kept
      {"1000000000000", "999999999999.99"},     // 16 characters: replaced
  };
  for (const Case& c : cases) EXPECT_EQ(WithKopecksText(M(c.amount)), c.text) << c.amount;
}

TEST(IncomeListsTest, ListOfAKindThatIsOffCountsAsEmpty) {
  mTDeclaration d = returns::Resident(kIncomeForeign);
  d.Incomes13.push_back(returns::Payer({returns::Income(2000, "100")}));
  d.InvestTovs.emplace_back();
  d.BusinessIncomes.emplace_back();
  EXPECT_TRUE(Incomes13Of(d).empty());
  EXPECT_TRUE(InvestTovsOf(d).empty());
  EXPECT_TRUE(BusinessIncomesOf(d).empty());
  d.IncomeFlags |= kIncomeInCountry;
  EXPECT_EQ(Incomes13Of(d).size(), 1u);
}

}  // namespace
}  // namespace kvor
