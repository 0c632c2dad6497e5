#pragma once

#include <cstdint>

#include "core/common/money.h"
#include "core/model/sourse_income_info.h"

namespace kvor {

class mTDocumentStorage;

// A payer of income taxed at 35 %, with one optional deduction; ItogIncomeSum is the income.
struct mTThirtyFivePercent : mTSourseIncomeInfo {
  int32_t IncomeCode = 0;
  int32_t SubtractCode = 0;  // 0 none
  Money SubtractSum;
  // Written by the computation; never stored.
  Money TaxIsch;
  Money OblSum;

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("IncomeCode", self.IncomeCode);
    v("SourseINN", self.SourseINN);
    v("SourseKPP", self.SourseKPP);
    v("SourseOKTMO", self.SourseOKTMO);
    v("SourseIncomeName", self.SourseIncomeName);
    v("ItogIncomeSum", self.ItogIncomeSum);
    v("SubtractCode", self.SubtractCode);
    v("SubtractSum", self.SubtractSum);
    v("HoldSum", self.HoldSum);
  }
  friend bool operator==(const mTThirtyFivePercent&, const mTThirtyFivePercent&) = default;
};

}  // namespace kvor
