// Income in the country by rate: the income-type code of each payer and the five sheets.
#include <gtest/gtest.h>

#include "core/computation/income_by_rate.h"
#include "core/computation/returns.h"

namespace kvor {
namespace {

using namespace returns;

TEST(IncomeTypeCodeTest, FromTheIncomesOfThePayer) {
  struct Case {
    std::vector<int32_t> codes;
    const char* computed;
    const char* withheld;
    const char* type;
  } cases[] = {
      {{2000, 1400}, "0", "0", "06"},  // labour wins over anything after it
      {{1400, 2000}, "0", "0", "06"},  // and over anything before it
      {{1400, 1510}, "0", "0", "08"},  // two different kinds
      {{1510, 1510}, "0", "0", "01"},
      {{1511, 1510}, "0", "0", "01"},
      {{1520}, "0", "0", "02"},
      {{1530, 9537, 1539, 1541, 9538}, "0", "0", "03"},
      {{1540}, "0", "0", "08"},        // a code of no particular kind
      {{2000, 4800}, "0", "0", "06"},  // stays labour
      {{1400, 2400}, "0", "0", "04"},
      {{2220, 2720, 2790}, "0", "0", "05"},
      {{}, "0", "0", ""},
      {{2010}, "100", "50", "07"},  // tax left to pay
      {{2000}, "50", "50", "06"},
      {{1510}, "100", "50", "01"},  // only labour turns into "07"
      {{2000, 1400}, "13", "0", "07"},
  };
  for (const Case& c : cases) {
    std::vector<mTSourseIncome> incomes;
    for (int32_t code : c.codes) incomes.push_back(Income(code, "100"));
    mTThirteenPercent payer = Payer(incomes, c.withheld, "45000000", c.computed);
    EXPECT_EQ(IncomeTypeCodeOf(payer), c.type) << ::testing::PrintToString(c.codes);
  }
}

mTInvestTov Partnership(const char* income, const char* withheld, const char* oktmo) {
  mTInvestTov partnership;
  mTInvestTovIncome entry;
  entry.OperationKind = 1;
  entry.IncomeSum = M(income);
  partnership.AddIncome(entry);
  partnership.HoldSum = M(withheld);
  partnership.OblSum = M(income);
  partnership.TaxIsch = M(withheld);
  partnership.SourseOKTMO = oktmo;
  return partnership;
}

TEST(PrilA13Test, ResidentCountsPayersAndPartnerships) {
  mTDeclaration d = Resident(kIncomeInCountry | kIncomeInvestTov);
  d.ForeignerFixedPayments = M("4800");
  d.Incomes13.push_back(Payer({Income(2000, "30000"), Income(2000, "30000.5", 2)}, "7800"));
  d.Incomes13.back().OblSum = M("60000.5");
  d.Incomes13.back().TaxIsch = M("7800");
  d.Incomes13.push_back(Payer({Income(1510, "100")}, "13"));
  d.Incomes13NR.push_back(Payer({Income(2000, "999")}, "999"));  // not a resident's list
  d.InvestTovs.push_back(Partnership("1000", "130", "46000000"));

  kTSvodSumPrilA13 sheet = ComputePrilA13(d);
  EXPECT_EQ(sheet.Income, M("61100.5"));    // 30000 + 30000.5 + 100 + 1000
  EXPECT_EQ(sheet.TaxWithheld, M("7943"));  // 7800 + 13 + 130
  EXPECT_EQ(sheet.TaxComputed, M("7930"));  // 7800 + 0 + 130
  EXPECT_EQ(sheet.TaxableIncome, M("61000.5"));
  EXPECT_EQ(sheet.FixedAdvances, M("4800"));
  EXPECT_EQ(d.Incomes13[0].IncomeTypeCode, "06");
  EXPECT_EQ(d.Incomes13[1].IncomeTypeCode, "01");
  EXPECT_EQ(d.InvestTovs[0].IncomeTypeCode, "03");
  EXPECT_EQ(d.Incomes13NR[0].IncomeTypeCode, "");
}

TEST(PrilA13Test, NonResidentPayerIsLabourWhateverItsIncomes) {
  mTDeclaration d = NonResident(kIncomeInCountry | kIncomeInvestTov);
  d.Incomes13NR.push_back(Payer({Income(1510, "1000")}, "100", "45000000", "130"));
  d.Incomes13NR.push_back(
      Payer({Income(1400, "500"), Income(1520, "500")}, "130", "45000000", "130"));
  d.Incomes13.push_back(Payer({Income(2000, "700")}, "210"));  // the 30 % list
  d.InvestTovs.push_back(Partnership("1000", "300", "46000000"));

  kTSvodSumPrilA13 sheet = ComputePrilA13(d);
  EXPECT_EQ(d.Incomes13NR[0].IncomeTypeCode, "07");
  EXPECT_EQ(d.Incomes13NR[1].IncomeTypeCode, "06");
  EXPECT_EQ(sheet.Income, M("2000"));
  EXPECT_EQ(sheet.TaxWithheld, M("230"));
  EXPECT_EQ(sheet.TaxComputed, M("260"));

  kTSvodSumPrilA30 thirty = ComputePrilA30(d);
  EXPECT_EQ(thirty.Income, M("1700"));  // the 30 % payer and the partnership
  EXPECT_EQ(thirty.TaxWithheld, M("510"));
  EXPECT_EQ(d.Incomes13[0].IncomeTypeCode, "06");
  EXPECT_EQ(d.InvestTovs[0].IncomeTypeCode, "03");
}

TEST(PrilA30Test, OnlyForNonResidents) {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(Payer({Income(2000, "700")}, "91"));
  EXPECT_EQ(ComputePrilA30(d), kTSvodSumPrilA30{});
}

mTThirtyPercent Dividend(const char* income, const char* taxable, const char* computed,
                         const char* withheld) {
  mTThirtyPercent source;
  source.IncomeCode = 1010;
  source.ItogIncomeSum = M(income);
  source.OblSum = M(taxable);
  source.TaxIsch = M(computed);
  source.HoldSum = M(withheld);
  return source;
}

TEST(PrilA6A15Test, DividendsByResidence) {
  mTDeclaration d = Resident();
  d.Dividends.push_back(Dividend("10000", "9000", "810", "900"));
  d.Dividends.push_back(Dividend("2000", "2000", "180", "180"));
  kTSvodSumPrilA6 sheet = ComputePrilA6(d);
  EXPECT_EQ(sheet.Income, M("12000"));
  EXPECT_EQ(sheet.TaxableIncome, M("11000"));
  EXPECT_EQ(sheet.TaxComputed, M("990"));
  EXPECT_EQ(sheet.TaxWithheld, M("1080"));
  EXPECT_EQ(d.Dividends[1].IncomeTypeCode, "08");
  EXPECT_EQ(ComputePrilA15(d), kTSvodSumPrilA15{});

  d.DeclarationType = kDeclaration3NDFLNonResident;
  EXPECT_EQ(ComputePrilA6(d), kTSvodSumPrilA6{});
  kTSvodSumPrilA15 fifteen = ComputePrilA15(d);
  EXPECT_EQ(fifteen.Income, M("12000"));
  EXPECT_EQ(fifteen.TaxableIncome, M("11000"));
  EXPECT_EQ(fifteen.TaxWithheld, M("1080"));
}

mTThirtyFivePercent Income35(int32_t code, const char* income, const char* withheld) {
  mTThirtyFivePercent source;
  source.IncomeCode = code;
  source.ItogIncomeSum = M(income);
  source.HoldSum = M(withheld);
  return source;
}

TEST(PrilA35Test, WritesTaxableIncomeAndTaxExceptForHousingLoanBenefit) {
  mTDeclaration d = Resident();
  d.Incomes35.push_back(Income35(2610, "90", "31"));
  d.Incomes35.push_back(Income35(2620, "5000", "1750"));
  d.Incomes35.back().OblSum = M("1");  // left alone
  d.Incomes35.push_back(Income35(2740, "14000.75", "0"));

  kTSvodSumPrilA35 sheet = ComputePrilA35(d);
  EXPECT_EQ(sheet.Income, M("14090.75"));  // 90 + 14000.75; code 2620 adds nothing
  EXPECT_EQ(sheet.TaxWithheld, M("31"));
  EXPECT_EQ(sheet.TaxWithheldExempt, M("1750"));
  EXPECT_EQ(d.Incomes35[0].OblSum, M("90"));
  EXPECT_EQ(d.Incomes35[0].TaxIsch, M("32"));  // 31.5 rounds up
  EXPECT_EQ(d.Incomes35[0].IncomeTypeCode, "08");
  EXPECT_EQ(d.Incomes35[1].OblSum, M("1"));
  EXPECT_EQ(d.Incomes35[1].IncomeTypeCode, "");
  EXPECT_EQ(d.Incomes35[2].TaxIsch, M("4900"));  // 4900.2625

  d.DeclarationType = kDeclaration3NDFLNonResident;
  EXPECT_EQ(ComputePrilA35(d), kTSvodSumPrilA35{});
}

}  // namespace
}  // namespace kvor
