#pragma once

#include <cstdint>

#include "core/common/money.h"
#include "core/model/sourse_income_info.h"

namespace kvor {

class mTDocumentStorage;

// A payer of dividends received in the country; ItogIncomeSum is the amount of dividends.
struct mTThirtyPercent : mTSourseIncomeInfo {
  int32_t IncomeCode = 0;  // the screen gives every new record 1010
  Money TaxIsch;           // tax computed
  Money OblSum;            // taxable dividends

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
    v("TaxIsch", self.TaxIsch);
    v("OblSum", self.OblSum);
    v("HoldSum", self.HoldSum);
  }
  friend bool operator==(const mTThirtyPercent&, const mTThirtyPercent&) = default;
};

}  // namespace kvor
