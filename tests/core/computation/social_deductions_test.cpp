// Professional deductions, pension contributions under their common limit, and the social
// deductions with their caps.
#include <gtest/gtest.h>

#include "core/computation/returns.h"
#include "core/computation/svod_sum.h"

namespace kvor {
namespace {

using namespace returns;

TEST(PrilGTest, PairsOfCodesAndTheCapAtTheIncome) {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(Payer({
      Income(2201, "100000", 1, 404, "150000"),  // royalty, actual expenses above the income
      Income(2010, "50000", 2, 403, "10000"),    // contract
      Income(2209, "10000", 3, 405, "2000"),     // royalty at the norm
      Income(1540, "30000", 4, 315, "25000"),    // share in capital
      Income(1550, "8000", 5, 314, "8000"),      // right of claim in construction
      Income(2010, "7000", 6, 404, "7000"),      // a pair that does not exist: ignored
      Income(2210, "5000", 7, 404, "5000"),      // outside 2201..2209: ignored
  }));
  kTSvodSumPrilG sheet = ComputePrilG(d);
  EXPECT_EQ(sheet.RoyaltyActualIncome, M("100000"));
  EXPECT_EQ(sheet.RoyaltyActualDeduction, M("100000"));
  EXPECT_EQ(sheet.ContractIncome, M("50000"));
  EXPECT_EQ(sheet.ContractDeduction, M("10000"));
  EXPECT_EQ(sheet.RoyaltyNormIncome, M("10000"));
  EXPECT_EQ(sheet.RoyaltyNormDeduction, M("2000"));
  EXPECT_EQ(sheet.CapitalShareDeduction, M("25000"));
  EXPECT_EQ(sheet.ConstructionRightDeduction, M("8000"));
  EXPECT_EQ(sheet.ProfTotal, M("145000"));  // 100 000 + 10 000 + 2000 + 25 000 + 8000
}

TEST(PrilGTest, NonResidentOnlyContractsOfTheNonResidentList) {
  mTDeclaration d = NonResident();
  d.Incomes13NR.push_back(
      Payer({Income(2010, "40000", 1, 403, "5000"), Income(2201, "100000", 2, 404, "20000")}));
  d.Incomes13.push_back(Payer({Income(2010, "9000", 1, 403, "9000")}));  // the 30 % list
  kTSvodSumPrilG sheet = ComputePrilG(d);
  EXPECT_EQ(sheet.ContractIncome, M("40000"));
  EXPECT_EQ(sheet.ContractDeduction, M("5000"));
  EXPECT_EQ(sheet.RoyaltyActualIncome, M("0"));
  EXPECT_EQ(sheet.ProfTotal, M("5000"));
}

TEST(PrilGInTest, ForeignIncomesWithTheForeignFlag) {
  mTDeclaration d = Resident(kIncomeForeign);
  d.CurrencyIncomes.push_back(Foreign(13, 2201, "65432.1", "0", 404, "70000"));
  d.CurrencyIncomes.push_back(Foreign(13, 1540, "1000", "0", 315, "400"));
  kTSvodSumPrilG_In sheet = ComputePrilG_In(d);
  EXPECT_EQ(sheet.RoyaltyActualDeduction, M("65432.1"));
  EXPECT_EQ(sheet.CapitalShareDeduction, M("400"));
  EXPECT_EQ(sheet.ProfTotal, M("65832.1"));

  d.IncomeFlags = kIncomeInCountry;
  EXPECT_EQ(ComputePrilG_In(d), kTSvodSumPrilG_In{});
}

mTPens Contract(int32_t kind, const char* paid, const char* byAgents = "0") {
  mTPens contract;
  contract.PensKind = kind;
  contract.SourseIncomeName = "НПФ";
  contract.ContractNumber = "12/3";
  contract.VZSum = M(paid);
  contract.NASum = M(byAgents);
  return contract;
}

TEST(PrilE3Test, CommonLimitWalkedInOrder) {
  struct Case {
    const char* name;
    std::vector<mTPens> contracts;
    std::vector<const char*> deductible;  // per line, funded lines after the others
    const char* deductibleNpf;
    const char* deductibleFunded;
    const char* byAgents;
    const char* pension;
  } cases[] = {
      {"two non-state contracts of 100 000",
       {Contract(1, "100000"), Contract(1, "100000")},
       {"100000", "20000"},
       "120000",
       "0",
       "0",
       "120000"},
      {"agents' deduction above the contributions counts at the contributions",
       {Contract(1, "30000", "50000")},
       {"30000"},
       "30000",
       "0",
       "30000",
       "0"},
      {"a funded contract after a non-state one takes what is left",
       {Contract(1, "80000", "10000"), Contract(2, "60000")},
       {"80000", "40000"},
       "80000",
       "40000",
       "10000",
       "110000"},
      {"a funded contract first leaves the rest of the limit",
       {Contract(2, "50000"), Contract(1, "100000")},
       {"70000", "50000"},
       "70000",
       "50000",
       "0",
       "120000"},
      {"other kinds are skipped",
       {Contract(3, "1000"), Contract(0, "1000")},
       {},
       "0",
       "0",
       "0",
       "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = Resident();
    d.SocialDeduct.Claimed = 1;
    d.SocialDeduct.PensContracts = c.contracts;
    kTSvodSumPrilE3 sheet = ComputePrilE3(d);
    std::vector<mbTPens> lines = sheet.NpfContracts;
    lines.insert(lines.end(), sheet.FundedContracts.begin(), sheet.FundedContracts.end());
    ASSERT_EQ(lines.size(), c.deductible.size());
    for (size_t i = 0; i < lines.size(); ++i)
      EXPECT_EQ(lines[i].DeductibleSum, M(c.deductible[i])) << i;
    EXPECT_EQ(sheet.DeductibleNpf, M(c.deductibleNpf));
    EXPECT_EQ(sheet.DeductibleFunded, M(c.deductibleFunded));
    EXPECT_EQ(sheet.ContributionsDeductible, sheet.DeductibleNpf + sheet.DeductibleFunded);
    EXPECT_EQ(sheet.ContributionsByAgents, M(c.byAgents));
    EXPECT_EQ(sheet.PensionDeduction, M(c.pension));
  }
}

TEST(PrilE3Test, LinesCopyTheContract) {
  mTDeclaration d = Resident();
  d.SocialDeduct.PensContracts = {Contract(1, "1000", "2000")};
  d.SocialDeduct.PensContracts[0].ContractDate = *Date::FromYMD(2014, 3, 1);
  kTSvodSumPrilE3 sheet = ComputePrilE3(d);
  ASSERT_EQ(sheet.NpfContracts.size(), 1u);
  const mbTPens& line = sheet.NpfContracts[0];
  EXPECT_EQ(line.SourseIncomeName, "НПФ");
  EXPECT_EQ(line.ContractNumber, "12/3");
  EXPECT_EQ(line.ContractDate, *Date::FromYMD(2014, 3, 1));
  EXPECT_EQ(line.VZSum, M("1000"));
  EXPECT_EQ(line.NASum, M("1000"));
  EXPECT_EQ(sheet.PaidNpf, M("1000"));
  EXPECT_EQ(d.SocialDeduct.PensContracts[0].NASum, M("2000"));  // the record is left alone
}

// The social sheet of a resident claiming social deductions with a 13 % income.
kTSvodSumPrilE2 Social(mTDeclaration& d, const char* income13 = "200000") {
  d.SocialDeduct.Claimed = 1;
  kTSvodSum sum;
  sum.PrilA13.Income = M(income13);
  sum.PrilE3 = ComputePrilE3(d);
  return ComputePrilE2(d, sum);
}

TEST(PrilE2Test, LimitsAndCaps) {
  {
    SCOPED_TRACE("own education 120 000 and treatment 50 000: the common limit");
    mTDeclaration d = Resident();
    d.SocialDeduct.SelfEducationSum = M("120000");
    d.SocialDeduct.MedicalSum = M("50000");
    kTSvodSumPrilE2 sheet = Social(d);
    EXPECT_EQ(sheet.WithinLimitTotal, M("120000"));
    EXPECT_EQ(sheet.SocialTotal, M("120000"));
  }
  {
    SCOPED_TRACE("charity of 100 000 against a 13 % income of 200 000");
    mTDeclaration d = Resident();
    d.SocialDeduct.CharitySum = M("100000");
    kTSvodSumPrilE2 sheet = Social(d);
    EXPECT_EQ(sheet.Charity, M("50000"));
    EXPECT_EQ(sheet.OutsideLimitTotal, M("50000"));
  }
  {
    SCOPED_TRACE("25 % is cut to kopecks");
    mTDeclaration d = Resident();
    d.SocialDeduct.CharitySum = M("1000");
    EXPECT_EQ(Social(d, "1234.57").Charity, M("308.64"));  // 308.6425
  }
  {
    SCOPED_TRACE("children's education over 50 000 counts at 50 000, the record keeps it");
    mTDeclaration d = Resident();
    d.SocialDeduct.ChildEduSums = {M("60000"), M("30000")};
    kTSvodSumPrilE2 sheet = Social(d);
    EXPECT_EQ(sheet.ChildrenEducation, M("80000"));
    EXPECT_EQ(d.SocialDeduct.ChildEduSums[0], M("60000"));
  }
  {
    SCOPED_TRACE("outside the limit: charity, children's education, expensive treatment");
    mTDeclaration d = Resident();
    d.SocialDeduct.CharitySum = M("10000");
    d.SocialDeduct.ChildEduSums = {M("50000")};
    d.SocialDeduct.ExpensiveMedicalSum = M("300000");
    d.SocialDeduct.Strahovka = M("20000");
    d.SocialDeduct.PensContracts = {Contract(1, "15000", "5000")};
    kTSvodSumPrilE2 sheet = Social(d);
    EXPECT_EQ(sheet.ExpensiveTreatment, M("300000"));
    EXPECT_EQ(sheet.OutsideLimitTotal, M("360000"));
    EXPECT_EQ(sheet.LifeInsurance, M("20000"));
    EXPECT_EQ(sheet.PensionInsurance, M("10000"));  // 15 000 less 5000 deducted by agents
    EXPECT_EQ(sheet.WithinLimitTotal, M("30000"));
    EXPECT_EQ(sheet.SocialTotal, M("390000"));
  }
  {
    SCOPED_TRACE("not claimed, or not a resident: nothing");
    mTDeclaration d = Resident();
    d.SocialDeduct.SelfEducationSum = M("1000");
    kTSvodSum sum;
    EXPECT_EQ(ComputePrilE2(d, sum), kTSvodSumPrilE2{});
    d.SocialDeduct.Claimed = 1;
    d.DeclarationType = kDeclaration3NDFLNonResident;
    EXPECT_EQ(ComputePrilE2(d, sum), kTSvodSumPrilE2{});
  }
}

TEST(PrilE2Test, CharityBaseIsTheIncomeAt13PercentLessTheExemptPart) {
  // 13 %: salary 100 000 and a gift of 4000 (exempt); abroad at 13 %: 20 000; business: 40 000.
  // Base 104 000 + 20 000 + 40 000 - 4000 = 160 000; a quarter is 40 000.
  mTDeclaration d = Resident(kIncomeInCountry | kIncomeForeign | kIncomeBusiness);
  d.Incomes13.push_back(Payer({Income(2000, "100000"), Income(2720, "4000", 5, 501, "4000")}));
  d.CurrencyIncomes.push_back(Foreign(13, 1010, "20000"));
  d.BusinessIncomes.emplace_back().IncomeSum = M("40000");
  d.BusinessIncomes.back().TotalExpense = M("1000");
  d.SocialDeduct.Claimed = 1;
  d.SocialDeduct.CharitySum = M("50000");
  kTSvodSum sum;
  sum.Run(d);
  EXPECT_EQ(sum.PrilM.ExemptTotal, M("4000"));
  EXPECT_EQ(sum.PrilE2.Charity, M("40000"));
}

}  // namespace
}  // namespace kvor
