// Standard deductions month by month: on oneself, for children up to the 280 000 limit, the
// entrepreneur's months, and the cap at the year's income.
#include <gtest/gtest.h>

#include <functional>

#include "core/computation/returns.h"
#include "core/computation/standard_deductions.h"

namespace kvor {
namespace {

using namespace returns;

// A resident claiming standard deductions with a salary from the payer marked for them.
mTDeclaration WithSalary(const char* monthly) {
  mTDeclaration d = Resident();
  d.StandartDeduct.Claimed = 1;
  d.Incomes13.push_back(Payer(EveryMonth(2000, monthly)));
  d.Incomes13.back().PrimaryWorkplace = 1;
  return d;
}

struct Expected {
  int32_t monthsWithinLimit = 0;
  const char* self3000 = "0";
  const char* self500 = "0";
  const char* childBoth = "0";
  const char* childSingle = "0";
  const char* disabledBoth = "0";
  const char* disabledSingle = "0";
  const char* total = "0";
};

struct Case {
  const char* name;
  std::function<mTDeclaration()> build;
  Expected expected;  // worked out by hand
};

const Case kCases[] = {
    {"code 104, income every month: 500 x 12",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.StandartDeduct.SelfCode = 104;
       return d;
     },
     {.monthsWithinLimit = 12, .self500 = "6000", .total = "6000"}},
    {"code 110: 105 from January to June, 104 from July to December",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.StandartDeduct.SelfCode = 110;
       for (int m = 1; m <= 12; ++m) d.StandartDeduct.SetMonthCode(m, m <= 6 ? 2 : 1);
       return d;
     },
     {.monthsWithinLimit = 12, .self3000 = "18000", .self500 = "3000", .total = "21000"}},
    {"two children, both parents, 40 000 a month: August passes 280 000 (320 000)",
     [] {
       mTDeclaration d = WithSalary("40000");
       d.StandartDeduct.SetCount(ChildRow::kChildren, 2);
       return d;
     },
     {.monthsWithinLimit = 7, .childBoth = "19600", .total = "19600"}},  // 2 x 1400 x 7
    {"the same for a single parent",
     [] {
       mTDeclaration d = WithSalary("40000");
       d.StandartDeduct.ChildrenKind = 102;
       d.StandartDeduct.SetCount(ChildRow::kChildren, 2);
       return d;
     },
     {.monthsWithinLimit = 7, .childSingle = "39200", .total = "39200"}},  // 2 x 2800 x 7
    {"exactly 280 000 in April is not beyond the limit",
     [] {
       mTDeclaration d = WithSalary("70000");
       d.StandartDeduct.SetCount(ChildRow::kChildren, 1);
       return d;
     },
     {.monthsWithinLimit = 4, .childBoth = "5600", .total = "5600"}},  // 1400 x 4
    {"status changed: single parent January to June, both from July",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.StandartDeduct.ChildrenKind = 103;
       d.StandartDeduct.SetCount(ChildRow::kChildren, 1);
       for (int m = 1; m <= 12; ++m) d.StandartDeduct.SetMonthStatus(m, m <= 6 ? 0 : 1);
       return d;
     },
     {.monthsWithinLimit = 12, .childBoth = "8400", .childSingle = "16800", .total = "25200"}},
    {"disabled child January to March, one child from the third all year",
     [] {
       mTDeclaration d = WithSalary("10000");
       for (int m = 1; m <= 3; ++m) d.StandartDeduct.SetMonthCount(ChildRow::kInvalid, m, 1);
       d.StandartDeduct.SetCount(ChildRow::kThird, 1);
       return d;
     },
     // 3000 x 3 disabled; 3000 x 12 from the third, at the children's rate
     {.monthsWithinLimit = 12, .childBoth = "36000", .disabledBoth = "9000", .total = "45000"}},
    {"disabled child of a single parent",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.StandartDeduct.ChildrenKind = 102;
       d.StandartDeduct.SetCount(ChildRow::kInvalid, 1);
       return d;
     },
     {.monthsWithinLimit = 12, .disabledSingle = "72000", .total = "72000"}},  // 6000 x 12
    {"entrepreneur: a loss of 100 000 in January is carried, the limit passes in September",
     [] {
       mTDeclaration d = Resident(kIncomeBusiness);
       mTStandartDeduct& s = d.StandartDeduct;
       s.Claimed = 1;
       s.BusinessMonths = 1;
       s.SetCount(ChildRow::kChildren, 1);
       s.SetMonthExpense(1, M("100000"));
       for (int m = 2; m <= 12; ++m) s.SetMonthIncome(m, M("50000"));
       for (int m = 1; m <= 12; ++m) s.SetMonthMark(m, true);
       return d;
     },
     {.monthsWithinLimit = 8, .childBoth = "11200", .total = "11200"}},  // 1400 x 8
    {"entrepreneur: only the marked months count",
     [] {
       mTDeclaration d = Resident(kIncomeBusiness);
       mTStandartDeduct& s = d.StandartDeduct;
       s.Claimed = 1;
       s.BusinessMonths = 1;
       s.SelfCode = 105;
       for (int m = 1; m <= 12; ++m) s.SetMonthIncome(m, M("10000"));
       s.SetMonthMark(2, true);
       s.SetMonthMark(5, true);
       return d;
     },
     {.monthsWithinLimit = 2, .self3000 = "6000", .total = "6000"}},
    {"the total is cut to the year's income",
     [] {
       mTDeclaration d = WithSalary("1000");
       d.StandartDeduct.SelfCode = 105;
       return d;
     },
     {.monthsWithinLimit = 12, .self3000 = "36000", .total = "12000"}},
    {"income only in March and May: two income months",
     [] {
       mTDeclaration d = Resident();
       d.StandartDeduct.Claimed = 1;
       d.StandartDeduct.SelfCode = 104;
       d.StandartDeduct.SetCount(ChildRow::kChildren, 1);
       d.Incomes13.push_back(Payer({Income(2000, "20000", 3), Income(2000, "20000", 5)}));
       d.Incomes13.back().PrimaryWorkplace = 1;
       return d;
     },
     {.monthsWithinLimit = 2, .self500 = "1000", .childBoth = "2800", .total = "3800"}},
    {"an income's deduction is taken off the month's income",
     [] {
       // 300 000 in January less 30 000 of deduction: 270 000, within; February's 20 000 makes
       // 290 000, beyond.
       mTDeclaration d = Resident();
       d.StandartDeduct.Claimed = 1;
       d.StandartDeduct.SetCount(ChildRow::kChildren, 1);
       d.Incomes13.push_back(
           Payer({Income(2000, "300000", 1, 503, "30000"), Income(2000, "20000", 2)}));
       d.Incomes13.back().PrimaryWorkplace = 1;
       return d;
     },
     {.monthsWithinLimit = 1, .childBoth = "1400", .total = "1400"}},
    {"no marked payer and no entrepreneur months: nothing, whatever the children",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.Incomes13.back().PrimaryWorkplace = 0;
       d.StandartDeduct.SelfCode = 105;
       d.StandartDeduct.SetCount(ChildRow::kChildren, 3);
       return d;
     },
     {}},
    {"not claimed",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.StandartDeduct.SelfCode = 105;
       d.StandartDeduct.Claimed = 0;
       return d;
     },
     {}},
    {"a non-resident gets none",
     [] {
       mTDeclaration d = WithSalary("10000");
       d.StandartDeduct.SelfCode = 105;
       d.DeclarationType = kDeclaration3NDFLNonResident;
       return d;
     },
     {}},
};

TEST(PrilE1Test, MonthByMonth) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    kTSvodSumPrilE1 sheet = ComputePrilE1(c.build());
    const Expected& e = c.expected;
    EXPECT_EQ(sheet.MonthsWithinLimit, e.monthsWithinLimit);
    EXPECT_EQ(sheet.SelfDeduction3000, M(e.self3000));
    EXPECT_EQ(sheet.SelfDeduction500, M(e.self500));
    EXPECT_EQ(sheet.ChildBoth, M(e.childBoth));
    EXPECT_EQ(sheet.ChildSingle, M(e.childSingle));
    EXPECT_EQ(sheet.DisabledChildBoth, M(e.disabledBoth));
    EXPECT_EQ(sheet.DisabledChildSingle, M(e.disabledSingle));
    EXPECT_EQ(sheet.StandardTotal, M(e.total));
  }
}

TEST(PrilE1Test, CumulativeIncomeShowsACarriedLossAsZero) {
  mTDeclaration d = kCases[8].build();
  kTSvodSumPrilE1 sheet = ComputePrilE1(d);
  const char* expected[] = {"0",      "0",      "0",      "50000",  "100000", "150000",
                            "200000", "250000", "300000", "350000", "400000", "450000"};
  for (int m = 0; m < 12; ++m) EXPECT_EQ(sheet.CumulativeIncome[m], M(expected[m])) << m + 1;
}

}  // namespace
}  // namespace kvor
