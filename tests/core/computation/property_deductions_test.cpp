// Property deductions: the sale of property with its caps, and new housing with its limit,
// share, carry-over and the 13 % base left for it.
#include <gtest/gtest.h>

#include "core/computation/returns.h"
#include "core/computation/svod_sum.h"

namespace kvor {
namespace {

using namespace returns;

TEST(PrilH1Test, SalesOfPropertyAndTheirCaps) {
  struct Case {
    const char* name;
    std::vector<mTSourseIncome> incomes;
    std::vector<mTCurrencyIncome> foreign;
    const char* dwellingDeduction;  // DwellingDeductionTotal
    const char* otherDeduction;     // OtherDeductionTotal
    const char* redemption;         // RedemptionDeduction
    const char* total;              // PropertySaleTotal, worked out by hand
  } cases[] = {
      {"flat sold after two years for 1 500 000 with 901: 1 000 000",
       {Income(1510, "1500000", 1, 901, "1500000")},
       {},
       "1000000",
       "0",
       "0",
       "1000000"},
      {"car sold for 300 000 with 906: 250 000",
       {Income(1520, "300000", 1, 906, "300000")},
       {},
       "0",
       "250000",
       "0",
       "250000"},
      {"documented expenses above the price are cut to the price",
       {Income(1510, "2000000", 1, 903, "2500000")},
       {},
       "2000000",
       "0",
       "0",
       "2000000"},
      {"other property: documented expenses never exceed the price",
       {Income(1520, "100000", 1, 903, "150000"), Income(2000, "500000", 2)},
       {},
       "0",
       "100000",
       "0",
       "100000"},
      {"redemption deduction never exceeds the redemption income",
       {Income(4900, "500000", 1, 908, "600000")},
       {},
       "0",
       "0",
       "500000",
       "500000"},
      {"whole and share together are capped at 1 000 000",
       {Income(1510, "600000", 1, 901, "0"), Income(1511, "800000", 2, 904, "700000")},
       {},
       "1000000",
       "0",
       "0",
       "1000000"},
      {"share with documented expenses in the country: at most its income",
       {Income(1511, "100000", 1, 903, "150000"), Income(1510, "500000", 2, 903, "100000")},
       {},
       "200000",
       "0",
       "0",
       "200000"},
      {"share abroad with a fixed deduction: at most its income",
       {},
       {Foreign(13, 1511, "300000", "0", 904, "400000")},
       "300000",
       "0",
       "0",
       "300000"},
      {"share abroad with documented expenses: the expenses, then the cap at the dwelling income",
       {},
       {Foreign(13, 1511, "300000", "0", 903, "400000"),
        Foreign(13, 1510, "200000", "0", 903, "0")},
       "400000",
       "0",
       "0",
       "400000"},
      {"other property abroad: documented expenses cut to that income",
       {Income(2000, "900000")},
       {Foreign(13, 1520, "50000", "0", 903, "80000")},
       "0",
       "50000",
       "0",
       "50000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = Resident(kIncomeInCountry | kIncomeForeign);
    if (!c.incomes.empty()) d.Incomes13.push_back(Payer(c.incomes));
    d.CurrencyIncomes = c.foreign;
    kTSvodSumPrilH1 sheet = ComputePrilH1(d);
    EXPECT_EQ(sheet.DwellingDeductionTotal, M(c.dwellingDeduction));
    EXPECT_EQ(sheet.OtherDeductionTotal, M(c.otherDeduction));
    EXPECT_EQ(sheet.RedemptionDeduction, M(c.redemption));
    EXPECT_EQ(sheet.PropertySaleTotal, M(c.total));
  }
}

TEST(PrilH1Test, FieldsOfWholeAndShare) {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(
      Payer({Income(1510, "600000", 1, 901, "0"), Income(1511, "800000", 2, 904, "700000"),
             Income(1520, "300000", 3, 906, "280000")}));
  kTSvodSumPrilH1 s = ComputePrilH1(d);
  EXPECT_EQ(s.WholeIncome, M("600000"));
  EXPECT_EQ(s.WholeDeduction, M("600000"));  // equal to the income, whatever was claimed
  EXPECT_EQ(s.ShareIncome, M("800000"));
  EXPECT_EQ(s.ShareDeduction, M("700000"));
  EXPECT_EQ(s.WholeShareIncome, M("1400000"));
  EXPECT_EQ(s.WholeShareDeduction, M("1000000"));
  EXPECT_EQ(s.DwellingIncomeTotal, M("1400000"));
  EXPECT_EQ(s.OtherIncome, M("300000"));
  EXPECT_EQ(s.OtherDeduction, M("250000"));
  EXPECT_EQ(s.OtherIncomeTotal, M("300000"));
  EXPECT_EQ(s.PropertySaleTotal, M("1250000"));
}

TEST(PrilH1Test, OnlyResidentsWithIncome) {
  mTDeclaration d = NonResident();
  d.Incomes13NR.push_back(Payer({Income(1510, "1500000", 1, 901, "0")}));
  d.Incomes13.push_back(Payer({Income(1510, "1500000", 1, 901, "0")}));
  EXPECT_EQ(ComputePrilH1(d), kTSvodSumPrilH1{});
}

mTConstructionDeductObj Flat(const char* cost, int year, int numerator = 1, int denominator = 1) {
  mTConstructionDeductObj flat;
  flat.ObjectCost = M(cost);
  flat.RegRightDate = *Date::FromYMD(year, 6, 15);
  flat.BuyDate = *Date::FromYMD(year, 5, 1);
  flat.DolNumerator = numerator;
  flat.DolDenominator = denominator;
  return flat;
}

// A resident with a salary claiming the deduction for the given objects; the other sheets of
// `sum` are zero, so the 13 % base left is the salary less the agents' deductions.
kTSvodSumPrilZ Housing(mTDeclaration& d, std::vector<mTConstructionDeductObj> objects,
                       const char* salary = "500000") {
  d.ConstructionDeduct.Claimed = 1;
  d.ConstructionDeduct.Objects = std::move(objects);
  kTSvodSum sum;
  sum.PrilA13.Income = M(salary);
  return ComputePrilZ(d, sum);
}

TEST(PrilZTest, LimitShareAndShareMark) {
  struct Case {
    const char* name;
    std::vector<mTConstructionDeductObj> objects;
    const char* costTotal;  // worked out by hand
    double share;
    std::vector<uint8_t> shareMarks;
    std::vector<const char*> counted;
  } cases[] = {
      {"flat of 2013 for 3 000 000, whole: 2 000 000 and the share mark",
       {Flat("3000000", 2013)},
       "2000000",
       1.0,
       {1},
       {"2000000"}},
      {"registered in 2007: 1 000 000", {Flat("3000000", 2007)}, "1000000", 1.0, {1}, {"1000000"}},
      {"half share of 2012: 1 000 000",
       {Flat("3000000", 2012, 1, 2)},
       "1000000",
       0.5,
       {1},
       {"1000000"}},
      {"registered in 2014: no share mark",
       {Flat("3000000", 2014)},
       "2000000",
       1.0,
       {0},
       {"2000000"}},
      {"below the limit the cost is kept",
       {Flat("1234567.89", 2014)},
       "1234567.89",
       1.0,
       {0},
       {"1234567.89"}},
      {"two objects with a cost: 2 000 000 whatever the shares and dates, no mark",
       {Flat("1500000", 2012, 1, 2), Flat("1000000", 2007, 1, 3)},
       "2000000",
       1.0,
       {0, 0},
       {"1500000", "500000"}},
      {"two objects, the first without cost: the second fixes the limit",
       {Flat("0", 2005), Flat("3000000", 2013, 1, 3)},
       "666666.67",
       1.0 / 3,
       {0, 1},
       {"0", "666666.67"}},
      {"two objects, the second without cost: the first fixes the limit",
       {Flat("3000000", 2006), Flat("0", 2013)},
       "1000000",
       1.0,
       {1, 0},
       {"1000000", "0"}},
      {"three objects: 2 000 000",
       {Flat("1000000", 2005, 1, 4), Flat("600000", 2006), Flat("900000", 2007)},
       "2000000",
       1.0,
       {0, 0, 0},
       {"1000000", "600000", "400000"}},
      {"a share of 0/0 counts as whole ownership",
       {Flat("3000000", 2013, 0, 0)},
       "2000000",
       1.0,
       {1},
       {"2000000"}},
      {"a share of 2/3 of 1 000 000: 666 666.666… rounds half up to kopecks",
       {Flat("900000", 2005, 2, 3)},
       "666666.67",
       2.0 / 3,
       {1},
       {"666666.67"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = Resident();
    kTSvodSumPrilZ z = Housing(d, c.objects, "10000000");
    EXPECT_EQ(z.CostTotal, M(c.costTotal));
    EXPECT_DOUBLE_EQ(z.ShareFraction, c.share);
    for (size_t i = 0; i < c.objects.size(); ++i) {
      EXPECT_EQ(d.ConstructionDeduct.Objects[i].ShareMark, c.shareMarks[i]) << i;
      EXPECT_EQ(d.ConstructionDeduct.Objects[i].CountedCost, M(c.counted[i])) << i;
    }
  }
}

TEST(PrilZTest, InvestmentUsesTheDeedDate) {
  mTDeclaration d = Resident();
  mTConstructionDeductObj flat = Flat("3000000", 2009);
  flat.IsInvest = 1;
  flat.BuyDate = *Date::FromYMD(2007, 12, 31);
  EXPECT_EQ(Housing(d, {flat}).CostTotal, M("1000000"));
}

TEST(PrilZTest, DeductionWithinTheBaseAndCarryOver) {
  struct Case {
    const char* name;
    const char* salary;
    const char* cost;
    const char* interest;
    const char *postYears, *postYearsIp, *byAgents, *interestByAgents;
    const char* base;                            // НалБаз13БезВыч, worked out by hand
    const char *acquisition, *interestNow;       // РасхНовВычНД, ПроцВычНД
    const char *leftAcquisition, *leftInterest;  // ОстИВБезПроц, ОстИВУплПроц
  } cases[] = {
      {"a 13 % base of 500 000 against 2 000 000", "500000", "3000000", "0", "0", "0", "0", "0",
       "500000", "500000", "0", "1500000", "0"},
      {"interest waits for the acquisition deduction", "600000", "2000000", "300000", "0", "50000",
       "0", "0", "600000", "600000", "0", "1400000", "250000"},
      {"both fit", "2500000", "1500000", "300000", "0", "50000", "0", "0", "2500000", "1500000",
       "250000", "0", "0"},
      {"interest partly", "1600000", "1500000", "300000", "0", "0", "0", "0", "1600000", "1500000",
       "100000", "0", "200000"},
      {"granted before and by agents this year", "900000", "2000000", "0", "1200000", "0", "300000",
       "0", "600000", "500000", "0", "0", "0"},
      {"agents' interest lowers the base too", "400000", "2000000", "100000", "0", "0", "0",
       "50000", "350000", "350000", "0", "1650000", "50000"},
      {"no base left", "100000", "2000000", "100000", "0", "0", "300000", "0", "0", "0", "0",
       "1700000", "100000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = Resident();
    mTConstructionDeduct& record = d.ConstructionDeduct;
    record.PostYears = M(c.postYears);
    record.PostYearsIp = M(c.postYearsIp);
    record.VychNA = M(c.byAgents);
    record.VychIpNA = M(c.interestByAgents);
    record.TransferringChargeSum = M("123");
    record.TransferringCreditSum = M("45");
    mTConstructionDeductObj flat = Flat(c.cost, 2013);
    flat.CreditInterest = M(c.interest);
    kTSvodSumPrilZ z = Housing(d, {flat}, c.salary);
    EXPECT_EQ(z.НалБаз13БезВыч, M(c.base));
    EXPECT_EQ(z.РасхНовВычНД, M(c.acquisition));
    EXPECT_EQ(z.ПроцВычНД, M(c.interestNow));
    EXPECT_EQ(z.ОстИВБезПроц, M(c.leftAcquisition));
    EXPECT_EQ(z.ОстИВУплПроц, M(c.leftInterest));
    EXPECT_EQ(z.ВычНовЗачПред, M(c.postYears));
    EXPECT_EQ(z.ВычПроцЗачПред, M(c.postYearsIp));
    EXPECT_EQ(z.ВычНАУвед, M(c.byAgents));
    EXPECT_EQ(z.ПроцНАУвед, M(c.interestByAgents));
    EXPECT_EQ(z.ОстВычПршПред, M("123"));
    EXPECT_EQ(z.ПроцПршПред, M("45"));
  }
}

TEST(PrilZTest, NothingWithoutClaimOrObjects) {
  mTDeclaration d = Resident();
  d.ConstructionDeduct.Objects = {Flat("3000000", 2013)};
  kTSvodSum sum;
  EXPECT_EQ(ComputePrilZ(d, sum), kTSvodSumPrilZ{});
  d.ConstructionDeduct.Claimed = 1;
  d.ConstructionDeduct.Objects.clear();
  EXPECT_EQ(ComputePrilZ(d, sum), kTSvodSumPrilZ{});
  d.ConstructionDeduct.Objects = {Flat("3000000", 2013)};
  d.DeclarationType = kDeclaration3NDFLNonResident;
  EXPECT_EQ(ComputePrilZ(d, sum), kTSvodSumPrilZ{});
}

}  // namespace
}  // namespace kvor
