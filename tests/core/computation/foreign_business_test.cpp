// Business income, partly exempt income with its caps, advertising prizes, and foreign income
// with its tax in the country and the credit of the tax paid abroad.
#include <gtest/gtest.h>

#include "core/computation/foreign_business.h"
#include "core/computation/returns.h"

namespace kvor {
namespace {

using namespace returns;

mTBusinessNew Activity(const char* income, bool documented, const char* expenses) {
  mTBusinessNew activity;
  activity.ActivityKind = "1";
  activity.IncomeSum = M(income);
  activity.IsConfirmedExpensies = documented ? 1 : 0;
  (documented ? activity.TotalExpense : activity.NormExpense) = M(expenses);
  return activity;
}

TEST(PrilV1Test, IncomeExpensesAndAdvances) {
  mTDeclaration d = Resident(kIncomeBusiness);
  d.BusinessIncomes = {Activity("100000", true, "30000"), Activity("50000", false, "10000")};
  d.BusinessIncomes[1].TotalExpense = M("99999");  // not documented: the norm counts
  d.ActualPrepayment = M("12000");
  d.NachPrepayment = M("11500.5");
  kTSvodSumPrilV1 sheet = ComputePrilV1(d);
  EXPECT_EQ(sheet.BusinessIncome, M("150000"));
  EXPECT_EQ(sheet.BusinessProfDeduction, M("40000"));
  EXPECT_EQ(sheet.AdvancesPaid, M("12000"));
  EXPECT_EQ(sheet.AdvancesAccrued, M("11500.5"));

  d.BusinessIncomes = {Activity("10000", true, "20000")};
  EXPECT_EQ(ComputePrilV1(d).BusinessProfDeduction, M("10000"));  // cut to the income

  d.IncomeFlags = kIncomeInCountry;
  EXPECT_EQ(ComputePrilV1(d), kTSvodSumPrilV1{});
}

TEST(PrilMTest, ExemptPartsAndTheirCaps) {
  struct Case {
    const char* name;
    std::vector<mTSourseIncome> incomes;
    std::vector<mTCurrencyIncome> foreign;
    kTExemptPair kTSvodSumPrilM::*pair;
    const char* income;
    const char* exempt;  // worked out by hand
  } cases[] = {
      {"two gifts of 3000: each in full, then the pair is lowered to 4000",
       {Income(2720, "3000", 3, 501, "3000"), Income(2720, "3000", 6, 501, "3000")},
       {},
       &kTSvodSumPrilM::ПодарНП,
       "6000",
       "4000"},
      {"material aid of 10 000: 4000",
       {Income(2760, "10000", 1, 503, "10000")},
       {},
       &kTSvodSumPrilM::МатПомРаб,
       "10000",
       "4000"},
      {"aid at a birth: the claimed amount, no cap",
       {Income(2762, "60000", 1, 508, "50000")},
       {},
       &kTSvodSumPrilM::МатПомРожд,
       "60000",
       "50000"},
      {"farm produce: the claimed amount",
       {Income(2791, "7000", 1, 509, "6000")},
       {},
       &kTSvodSumPrilM::НатОплСХ,
       "7000",
       "6000"},
      {"pension contributions: 12 000",
       {Income(1211, "15000", 1, 607, "15000")},
       {},
       &kTSvodSumPrilM::ДопСВПенс,
       "15000",
       "12000"},
      {"aid to veterans: each entry up to 10 000, the pair up to 10 000",
       {Income(2790, "8000", 1, 507, "1"), Income(2790, "12000", 2, 507, "1")},
       {},
       &kTSvodSumPrilM::ПомПодар,
       "20000",
       "10000"},
      {"a gift of 1500: the income, not the claimed amount",
       {Income(2720, "1500", 1, 501, "4000")},
       {},
       &kTSvodSumPrilM::ПодарНП,
       "1500",
       "1500"},
      {"an income without its deduction code counts as income only",
       {Income(2720, "3000", 1, 0, "0"), Income(2730, "3000", 1, 501, "3000")},
       {},
       &kTSvodSumPrilM::ПодарНП,
       "3000",
       "0"},
      {"a prize abroad counts too",
       {},
       {Foreign(13, 2730, "5000", "0", 502, "5000")},
       &kTSvodSumPrilM::ПризНП,
       "5000",
       "4000"},
      {"medicines paid for, in the country and abroad: one cap",
       {Income(2770, "3000", 1, 504, "3000")},
       {Foreign(13, 2770, "2500", "0", 504, "2500")},
       &kTSvodSumPrilM::ВозмМед,
       "5500",
       "4000"},
      {"aid to the disabled",
       {Income(2761, "3999.99", 1, 506, "3999.99")},
       {},
       &kTSvodSumPrilM::МатПомИнв,
       "3999.99",
       "3999.99"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = Resident(kIncomeInCountry | kIncomeForeign);
    if (!c.incomes.empty()) d.Incomes13.push_back(Payer(c.incomes));
    d.CurrencyIncomes = c.foreign;
    kTSvodSumPrilM sheet = ComputePrilM(d);
    EXPECT_EQ((sheet.*c.pair).ДоходВсИст, M(c.income));
    EXPECT_EQ((sheet.*c.pair).ДоходНеНал, M(c.exempt));
    EXPECT_EQ(sheet.ExemptTotal, M(c.exempt));
  }
}

TEST(PrilMTest, ExemptTotalAddsThePairs) {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(
      Payer({Income(2720, "5000", 1, 501, "5000"), Income(2762, "50000", 2, 508, "50000"),
             Income(2790, "12000", 3, 507, "12000")}));
  EXPECT_EQ(ComputePrilM(d).ExemptTotal, M("64000"));  // 4000 + 50 000 + 10 000
}

mTThirtyFivePercent Prize(const char* income, int32_t subtractCode, const char* subtract) {
  mTThirtyFivePercent prize;
  prize.IncomeCode = 2740;
  prize.ItogIncomeSum = M(income);
  prize.SubtractCode = subtractCode;
  prize.SubtractSum = M(subtract);
  return prize;
}

TEST(PrilMTest, AdvertisingPrizesShareOneCap) {
  struct Case {
    const char* name;
    std::vector<mTThirtyFivePercent> prizes;
    std::vector<const char*> taxable;  // per prize, worked out by hand
    std::vector<const char*> tax;
    const char* income;
    const char* exempt;
  } cases[] = {
      {"5000 with a deduction of 4000, then a second such prize",
       {Prize("5000", 503, "4000"), Prize("5000", 503, "4000")},
       {"1000", "5000"},
       {"350", "1750"},
       "10000",
       "4000"},
      {"a deduction above the prize counts at the prize; the rest of the cap goes on",
       {Prize("3000", 503, "4000"), Prize("2000", 503, "2000")},
       {"0", "1000"},
       {"0", "350"},
       "5000",
       "4000"},
      {"a prize without a deduction code is not counted here",
       {Prize("3000", 0, "3000")},
       {"0"},
       {"0"},
       "0",
       "0"},
      {"kopecks: 90 taxable gives 32 (31.5 up)",
       {Prize("4090", 503, "4000")},
       {"90"},
       {"32"},
       "4090",
       "4000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = Resident();
    d.Incomes35 = c.prizes;
    kTSvodSumPrilM sheet = ComputePrilM(d);
    for (size_t i = 0; i < c.prizes.size(); ++i) {
      EXPECT_EQ(d.Incomes35[i].OblSum, M(c.taxable[i])) << i;
      EXPECT_EQ(d.Incomes35[i].TaxIsch, M(c.tax[i])) << i;
    }
    EXPECT_EQ(sheet.AdvertisingIncome, M(c.income));
    EXPECT_EQ(sheet.AdvertisingExempt, M(c.exempt));
  }
}

TEST(PrilMTest, NonResidentAdvertisingPrizesFromThe13PercentList) {
  mTDeclaration d = NonResident();
  d.Incomes13.push_back(
      Payer({Income(2740, "5000", 1, 503, "4500"), Income(2740, "1000", 2, 0, "1000")}));
  d.Incomes35.push_back(Prize("5000", 503, "4000"));  // not read for a non-resident
  kTSvodSumPrilM sheet = ComputePrilM(d);
  EXPECT_EQ(sheet.AdvertisingIncome, M("5000"));
  EXPECT_EQ(sheet.AdvertisingExempt, M("4000"));  // 4500 lowered to the cap
  EXPECT_EQ(d.Incomes35[0].OblSum, M("0"));
}

mTCurrencyIncome InCurrency(int32_t rate, const char* currencySum, const char* exchange,
                            int32_t units) {
  mTCurrencyIncome income;
  income.IncomeRate = rate;
  income.IncomeCode = 1010;
  income.CountryCode = "840";
  income.SourseIncomeName = "Acme Inc.";
  income.CurrencyCode = "840";
  income.CurrencyExchange = M(exchange);
  income.CurrencyUnits = units;
  income.SetIncome(M(currencySum));
  return income;
}

TEST(PrilBTest, LinesOfOneRate) {
  mTDeclaration d = Resident(kIncomeForeign);
  d.CurrencyIncomes.push_back(InCurrency(13, "1000", "65.4321", 10));  // 6543.21 roubles
  d.CurrencyIncomes[0].CurrencyExchange2 = M("33.3333");
  d.CurrencyIncomes[0].CurrencyUnits2 = 2;
  d.CurrencyIncomes[0].SetTax(M("12.3456"));  // 205.76 roubles (205.7599…)
  d.CurrencyIncomes.push_back(InCurrency(9, "100", "50", 1));
  d.CurrencyIncomes.push_back(InCurrency(13, "10", "30", 0));  // no units: 0 roubles
  d.CurrencyIncomes.push_back(InCurrency(13, "100", "40", 1));
  d.CurrencyIncomes.back().IncomeCode = 2620;  // gives no line

  kTSvodSumPrilB sheet = ComputePrilB(d, 13);
  ASSERT_EQ(sheet.Lines.size(), 2u);
  const DohodCur& line = sheet.Lines[0];
  EXPECT_EQ(line.IncomeRateText, "6.5432");
  EXPECT_EQ(line.TaxRateText, "16.6667");  // 16.66665 up
  EXPECT_EQ(line.IncomeCurrencyText, "1000.00");
  EXPECT_EQ(line.TaxCurrencyText, "12.34");
  EXPECT_EQ(line.IncomeRublSum, M("6543.21"));
  EXPECT_EQ(line.TaxRoubleSum, M("205.76"));
  EXPECT_EQ(line.TaxComputedRF, M("851"));  // 850.6173
  EXPECT_EQ(line.TaxCredited, M("206"));    // 205.76 up
  EXPECT_EQ(line.CountryCode, "840");
  EXPECT_EQ(line.SourseIncomeName, "Acme Inc.");
  EXPECT_EQ(line.IncomeCode, 1010);
  EXPECT_EQ(sheet.Lines[1].IncomeRateText, "");
  EXPECT_EQ(sheet.Lines[1].TaxRateText, "");
  EXPECT_EQ(sheet.IncomeRub, M("6543.21"));
  EXPECT_EQ(sheet.ForeignTaxRub, M("205.76"));
  EXPECT_EQ(sheet.TaxComputedRF, M("851"));
  EXPECT_EQ(sheet.TaxCredited, M("206"));

  EXPECT_EQ(ComputePrilB(d, 9).IncomeRub, M("5000"));
  EXPECT_TRUE(ComputePrilB(d, 35).Lines.empty());
  d.IncomeFlags = kIncomeInCountry;
  EXPECT_TRUE(ComputePrilB(d, 13).Lines.empty());
}

TEST(PrilBTest, TaxInTheCountryAndCredit) {
  struct Case {
    int32_t rate;
    const char* roubles;
    const char* deduction;
    const char* taxAbroad;
    const char* taxHere;  // worked out by hand
    const char* credited;
  } cases[] = {
      {13, "100000", "0", "20000", "13000", "13000"},  // credit at most the tax here
      {13, "100000", "0", "1234.5", "13000", "1235"},  // rounded half up
      {13, "100000", "0", "1234.49", "13000", "1234"},
      {13, "100000", "30000", "5000", "9100", "5000"},  // the deduction lowers the base
      {13, "1000", "2000", "100", "0", "0"},            // a base below 0 counts as 0
      {35, "90", "0", "100", "32", "32"},               // 31.5 up
      {9, "16.67", "0", "0", "2", "0"},                 // 1.5003
  };
  for (const Case& c : cases) {
    mTDeclaration d = Resident(kIncomeForeign);
    d.CurrencyIncomes.push_back(Foreign(c.rate, 1010, c.roubles, c.taxAbroad, 0, c.deduction));
    kTSvodSumPrilB sheet = ComputePrilB(d, c.rate);
    ASSERT_EQ(sheet.Lines.size(), 1u);
    EXPECT_EQ(sheet.Lines[0].TaxComputedRF, M(c.taxHere)) << c.roubles << " " << c.taxAbroad;
    EXPECT_EQ(sheet.Lines[0].TaxCredited, M(c.credited)) << c.roubles << " " << c.taxAbroad;
  }
}

}  // namespace
}  // namespace kvor
