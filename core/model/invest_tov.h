#pragma once

#include <cstdint>
#include <vector>

#include "core/common/money.h"
#include "core/model/sourse_income_info.h"

namespace kvor {

class mTDocumentStorage;

// One income from an investment partnership, for one kind of operation.
struct mTInvestTovIncome {
  int32_t OperationKind = 0;  // 1..6; 0 none
  Money IncomeSum;
  Money ExpenseSum;    // share of expenses (kind 6: sum of contributions)
  Money RewardSum;     // expenses on managing partners
  Money PrevYearsSum;  // losses of previous years

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("OperationKind", self.OperationKind);
    v("IncomeSum", self.IncomeSum);
    v("ExpenseSum", self.ExpenseSum);
    v("RewardSum", self.RewardSum);
    v("PrevYearsSum", self.PrevYearsSum);
  }
  friend bool operator==(const mTInvestTovIncome&, const mTInvestTovIncome&) = default;
};

// An investment partnership with its incomes.
struct mTInvestTov : mTSourseIncomeInfo {
  // Kept through AddIncome, ReplaceIncome and DeleteIncome so that ItogIncomeSum stays their sum.
  std::vector<mTInvestTovIncome> InvestIncomes;
  Money TaxIsch;  // tax computed
  Money OblSum;   // taxable income

  int AddIncome(const mTInvestTovIncome& income);
  void ReplaceIncome(int index, const mTInvestTovIncome& income);
  void DeleteIncome(int index);
  const mTInvestTovIncome& Income(int index) const { return InvestIncomes.at(index); }
  int IncomeCount() const { return static_cast<int>(InvestIncomes.size()); }
  // Sets ItogIncomeSum to the sum of the incomes (after the list was filled directly).
  void RebuildItogIncomeSum();

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  // ItogIncomeSum is left out: it is rebuilt from the incomes.
  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("SourseINN", self.SourseINN);
    v("SourseKPP", self.SourseKPP);
    v("SourseOKTMO", self.SourseOKTMO);
    v("SourseIncomeName", self.SourseIncomeName);
    v("HoldSum", self.HoldSum);
    v("OblSum", self.OblSum);
    v("TaxIsch", self.TaxIsch);
    v("InvestIncomes", self.InvestIncomes);
  }
  friend bool operator==(const mTInvestTov&, const mTInvestTov&) = default;
};

}  // namespace kvor
