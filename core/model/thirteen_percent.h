#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/money.h"
#include "core/model/sourse_income_info.h"

namespace kvor {

class mTDocumentStorage;

// One income of a payer: one month, one income code, an optional deduction.
struct mTSourseIncome {
  int32_t IncomeCode = 0;  // from the income dictionary; 0 none
  std::string IncomeName;
  Money IncomeSum;
  int32_t SubtractCode = 0;  // deduction (expense) code; 0 none
  Money SubtractSum;
  int32_t NormPercent = 0;  // norm percentage of the chosen deduction
  uint16_t Month = 1;       // 1..12

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("IncomeCode", self.IncomeCode);
    v("IncomeName", self.IncomeName);
    v("IncomeSum", self.IncomeSum);
    v("SubtractCode", self.SubtractCode);
    v("SubtractSum", self.SubtractSum);
    v("NormPercent", self.NormPercent);
    v("Month", self.Month);
  }
  friend bool operator==(const mTSourseIncome&, const mTSourseIncome&) = default;
};

// A payer of income taxed at 13 % with its incomes. The same record serves residents and
// non-residents; they differ only in their stream names.
struct mTThirteenPercent : mTSourseIncomeInfo {
  // Kept through AddIncome, ReplaceIncome and DeleteIncome so that ItogIncomeSum stays their sum.
  std::vector<mTSourseIncome> Incomes;
  std::array<Money, 12> MonthSums{};  // January..December
  // Bit i set: month i+1 carries an amount in MonthSums (bits 0..11 are used).
  uint16_t MonthMarks = 0;
  uint8_t PrimaryWorkplace = 0;  // standard deductions are computed through this payer
  Money TaxIsch;                 // tax computed by the payer
  Money OblSum;                  // taxable income
  Money Reserved13Sum;

  // Appends the income and adds its sum to ItogIncomeSum; returns its index.
  int AddIncome(const mTSourseIncome& income);
  void ReplaceIncome(int index, const mTSourseIncome& income);
  void DeleteIncome(int index);
  const mTSourseIncome& Income(int index) const { return Incomes.at(index); }
  int IncomeCount() const { return static_cast<int>(Incomes.size()); }
  // Sets ItogIncomeSum to the sum of the incomes (after the list was filled directly).
  void RebuildItogIncomeSum();

  // An amount of -1 clears the month's mark and stores 0; any other amount marks the month.
  // `month` is 0..11.
  void SetMonth(int month, Money amount);
  bool MonthMarked(int month) const { return (MonthMarks >> month) & 1; }

  void Save(mTDocumentStorage& storage, int index, bool nonResident) const;
  void Load(mTDocumentStorage& storage, int index, bool nonResident);

  // ItogIncomeSum is left out: it is rebuilt from the incomes.
  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("PrimaryWorkplace", self.PrimaryWorkplace);
    v("SourseINN", self.SourseINN);
    v("SourseKPP", self.SourseKPP);
    v("SourseOKTMO", self.SourseOKTMO);
    v("SourseIncomeName", self.SourseIncomeName);
    v("HoldSum", self.HoldSum);
    v("OblSum", self.OblSum);
    v("TaxIsch", self.TaxIsch);
    v("Reserved13Sum", self.Reserved13Sum);
    v("MonthSums", self.MonthSums);
    v("MonthMarks", self.MonthMarks);
    v("Incomes", self.Incomes);
  }
  friend bool operator==(const mTThirteenPercent&, const mTThirteenPercent&) = default;
};

}  // namespace kvor
