#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// Values of mTBusinessNew::ActivityKind.
namespace activity_kind {
inline constexpr const char* kEntrepreneur = "1";
inline constexpr const char* kNotary = "2";
inline constexpr const char* kLawyer = "3";
inline constexpr const char* kArbitrationManager = "4";
inline constexpr const char* kFarmHead = "5";
inline constexpr const char* kOther = "6";
}  // namespace activity_kind

// One business or private-practice activity with its income and expenses.
struct mTBusinessNew {
  std::string ActivityKind;  // "1".."6", see activity_kind
  std::string OKVED = "..";  // ОКВЭД code of an entrepreneur's activity
  // Expenses are documented (the breakdown below applies); otherwise NormExpense does.
  uint8_t IsConfirmedExpensies = 1;
  Money IncomeSum;
  Money TotalExpense;
  Money MaterialExpense;
  Money Amortization;
  Money LabourExpense;
  Money LabourContractExpense;  // of LabourExpense, under employment contracts
  Money OtherExpense;
  std::array<Money, 13> OtherExpenseParts{};  // components of OtherExpense
  Money NormExpense;

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ActivityKind", self.ActivityKind);
    v("OKVED", self.OKVED);
    v("IncomeSum", self.IncomeSum);
    v("IsConfirmedExpensies", self.IsConfirmedExpensies);
    v("TotalExpense", self.TotalExpense);
    v("MaterialExpense", self.MaterialExpense);
    v("Amortization", self.Amortization);
    v("LabourExpense", self.LabourExpense);
    v("LabourContractExpense", self.LabourContractExpense);
    v("OtherExpense", self.OtherExpense);
    v("OtherExpenseParts", self.OtherExpenseParts);
    v("NormExpense", self.NormExpense);
  }
  friend bool operator==(const mTBusinessNew&, const mTBusinessNew&) = default;
};

}  // namespace kvor
