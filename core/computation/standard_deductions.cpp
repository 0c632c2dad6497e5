#include "core/computation/standard_deductions.h"

#include "core/computation/tax_rules.h"

namespace kvor {

namespace {

// The children's deductions stop once the income since January exceeds this.
constexpr Money kChildrenIncomeLimit = Money::Roubles(280000);

// Deduction on oneself a month.
constexpr Money kSelf500 = Money::Roubles(500);
constexpr Money kSelf3000 = Money::Roubles(3000);

// Deduction a month per child, at the rate for two parents; a single parent gets double.
constexpr Money kChildFirstAndSecond = Money::Roubles(1400);
constexpr Money kChildFromThird = Money::Roubles(3000);
constexpr Money kDisabledChild = Money::Roubles(3000);
constexpr int64_t kSingleParentFactor = 2;

// Codes of the deduction on oneself.
constexpr int32_t kSelfCode500 = 104;
constexpr int32_t kSelfCode3000 = 105;
constexpr int32_t kSelfCodeByMonth = 110;
// Codes of the month by month deduction on oneself.
constexpr int32_t kMonthCode500 = 1;
constexpr int32_t kMonthCode3000 = 2;

// Kinds of the children's deduction.
constexpr int32_t kChildrenSingleParent = 102;
constexpr int32_t kChildrenChanged = 103;
// Month by month status: 0 single parent in that month.
constexpr int32_t kMonthStatusSingle = 0;

Money Times(Money amount, int64_t factor) {
  return amount.MulRatioRoundToKopecks(factor, 1);
}

}  // namespace

kTSvodSumPrilE1 ComputePrilE1(const mTDeclaration& d) {
  kTSvodSumPrilE1 sheet;
  const mTStandartDeduct& record = d.StandartDeduct;
  if (!IsResident(d) || !record.Claimed) return sheet;

  // 1. Income months and the income since January.
  std::array<bool, 12> incomeMonth{};
  if (record.BusinessMonths) {
    Money running;  // a loss shows as 0 but keeps counting against later months
    for (int m = 0; m < 12; ++m) {
      running += record.MonthIncomes[m] - record.MonthExpenses[m];
      sheet.CumulativeIncome[m] = NotNegative(running);
      incomeMonth[m] = record.MonthMarks[m] != 0;
    }
  } else {
    std::array<Money, 12> monthIncome{};
    for (const mTThirteenPercent& source : Incomes13Of(d)) {
      if (!source.PrimaryWorkplace) continue;
      for (const mTSourseIncome& income : source.Incomes) {
        if (income.Month < 1 || income.Month > 12) continue;
        monthIncome[income.Month - 1] += income.IncomeSum - income.SubtractSum;
        incomeMonth[income.Month - 1] = true;
      }
    }
    Money running;
    for (int m = 0; m < 12; ++m) {
      running += monthIncome[m];
      sheet.CumulativeIncome[m] = running;
    }
  }

  // 2. Months within the children's limit: the income months before the first month whose
  // income since January exceeds the limit.
  std::array<bool, 12> withinLimit{};
  for (int m = 0; m < 12 && sheet.CumulativeIncome[m] <= kChildrenIncomeLimit; ++m) {
    withinLimit[m] = incomeMonth[m];
    if (withinLimit[m]) ++sheet.MonthsWithinLimit;
  }

  // 3. Deduction on oneself, in every income month.
  for (int m = 0; m < 12; ++m) {
    if (!incomeMonth[m]) continue;
    int32_t code = record.SelfCode;
    if (code == kSelfCodeByMonth) {
      if (record.MonthCodes[m] == kMonthCode3000) code = kSelfCode3000;
      if (record.MonthCodes[m] == kMonthCode500) code = kSelfCode500;
    }
    if (code == kSelfCode3000) sheet.SelfDeduction3000 += kSelf3000;
    if (code == kSelfCode500) sheet.SelfDeduction500 += kSelf500;
  }

  // 4. Children, in every month within the limit.
  for (int m = 0; m < 12; ++m) {
    if (!withinLimit[m]) continue;
    bool single =
        record.ChildrenKind == kChildrenSingleParent ||
        (record.ChildrenKind == kChildrenChanged && record.MonthStatus[m] == kMonthStatusSingle);
    int64_t factor = single ? kSingleParentFactor : 1;
    int64_t children = record.ChildConst ? record.ChildCount : record.ChildMonths[m];
    int64_t third = record.ThirdConst ? record.ThirdCount : record.ThirdMonths[m];
    int64_t disabled = record.InvalidConst ? record.InvalidCount : record.InvalidMonths[m];
    Money forChildren =
        Times(kChildFirstAndSecond, children * factor) + Times(kChildFromThird, third * factor);
    Money forDisabled = Times(kDisabledChild, disabled * factor);
    (single ? sheet.ChildSingle : sheet.ChildBoth) += forChildren;
    (single ? sheet.DisabledChildSingle : sheet.DisabledChildBoth) += forDisabled;
  }

  // 5. The total, at most the year's income.
  Money total = sheet.SelfDeduction3000 + sheet.SelfDeduction500 + sheet.ChildBoth +
                sheet.ChildSingle + sheet.DisabledChildBoth + sheet.DisabledChildSingle;
  sheet.StandardTotal = NotNegative(Min(total, sheet.CumulativeIncome[11]));
  return sheet;
}

}  // namespace kvor
