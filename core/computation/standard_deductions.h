#pragma once

// Standard deductions of a resident: on oneself and for children, month by month.

#include <array>

#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

struct kTSvodSumPrilE1 {
  int32_t MonthsWithinLimit = 0;             // income months counted for the children's deductions
  std::array<Money, 12> CumulativeIncome{};  // income since January at the end of each month
  Money SelfDeduction3000;                   // on oneself at 3000 a month
  Money SelfDeduction500;                    // on oneself at 500 a month
  Money ChildBoth;                           // children, at the rate for two parents
  Money ChildSingle;                         // children, at the doubled rate of a single parent
  Money DisabledChildBoth;
  Money DisabledChildSingle;
  Money StandardTotal;  // the total, at most the December value of CumulativeIncome, never < 0

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("MonthsWithinLimit", self.MonthsWithinLimit);
    v("CumulativeIncome", self.CumulativeIncome);
    v("SelfDeduction3000", self.SelfDeduction3000);
    v("SelfDeduction500", self.SelfDeduction500);
    v("ChildBoth", self.ChildBoth);
    v("ChildSingle", self.ChildSingle);
    v("DisabledChildBoth", self.DisabledChildBoth);
    v("DisabledChildSingle", self.DisabledChildSingle);
    v("StandardTotal", self.StandardTotal);
  }
  friend bool operator==(const kTSvodSumPrilE1&, const kTSvodSumPrilE1&) = default;
};

// Zero unless the return is a resident's and standard deductions are claimed. The months of
// income come from the entrepreneur's monthly figures of the record when it has them, otherwise
// from the incomes of the 13 % payers marked for the standard deductions (incomes of a month
// outside 1..12 are left out).
kTSvodSumPrilE1 ComputePrilE1(const mTDeclaration& d);

}  // namespace kvor
