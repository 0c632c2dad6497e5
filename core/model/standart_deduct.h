#pragma once

#include <array>
#include <cstdint>

#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// The three rows of children counted for the standard deductions.
enum class ChildRow { kChildren, kInvalid, kThird };

// The standard deductions: on oneself, for children, and the entrepreneur's monthly incomes
// and expenses that decide in which months they apply. Months are 1..12 in the operations;
// the arrays hold January at index 0.
struct mTStandartDeduct {
  uint8_t Claimed = 1;
  int32_t SelfCode = 103;      // 103, 104, 105, or 110 when the code changed during the year
  int32_t ChildrenKind = 101;  // 101 both parents, 102 single parent, 103 status changed
  // Row 1: children. When constant, ChildCount holds all year; otherwise ChildMonths.
  uint8_t ChildConst = 1;
  int32_t ChildCount = 0;
  std::array<int32_t, 12> ChildMonths{};
  // Row 2: disabled children of groups I and II.
  uint8_t InvalidConst = 1;
  int32_t InvalidCount = 0;
  std::array<int32_t, 12> InvalidMonths{};
  // Row 3: children counted from the third.
  uint8_t ThirdConst = 1;
  int32_t ThirdCount = 0;
  std::array<int32_t, 12> ThirdMonths{};
  uint8_t BusinessMonths = 0;  // the monthly incomes and expenses below are present
  std::array<Money, 12> MonthIncomes{};
  std::array<Money, 12> MonthExpenses{};
  std::array<uint8_t, 12> MonthMarks{};
  uint8_t ByMonthCodes = 0;               // the deduction on oneself is given month by month
  std::array<int32_t, 12> MonthCodes{};   // 0 none, 1 code 104, 2 code 105
  uint8_t ByMonthStatus = 0;              // the single-parent status is given month by month
  std::array<int32_t, 12> MonthStatus{};  // 0 single parent in that month, 1 not

  // Sets the row's count for the whole year and marks the row constant.
  void SetCount(ChildRow row, int32_t count);
  // Sets one month's count and marks the row not constant.
  void SetMonthCount(ChildRow row, int month, int32_t count);
  int32_t Count(ChildRow row) const;
  int32_t MonthCount(ChildRow row, int month) const;
  bool IsConstant(ChildRow row) const;

  Money MonthIncome(int month) const { return MonthIncomes.at(month - 1); }
  void SetMonthIncome(int month, Money sum) { MonthIncomes.at(month - 1) = sum; }
  Money MonthExpense(int month) const { return MonthExpenses.at(month - 1); }
  void SetMonthExpense(int month, Money sum) { MonthExpenses.at(month - 1) = sum; }
  bool MonthMark(int month) const { return MonthMarks.at(month - 1) != 0; }
  void SetMonthMark(int month, bool marked) { MonthMarks.at(month - 1) = marked ? 1 : 0; }
  int32_t MonthCode(int month) const { return MonthCodes.at(month - 1); }
  void SetMonthCode(int month, int32_t code) { MonthCodes.at(month - 1) = code; }
  int32_t MonthStatusOf(int month) const { return MonthStatus.at(month - 1); }
  void SetMonthStatus(int month, int32_t status) { MonthStatus.at(month - 1) = status; }

  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Claimed", self.Claimed);
    v("SelfCode", self.SelfCode);
    v("ChildrenKind", self.ChildrenKind);
    v("ChildConst", self.ChildConst);
    v("ChildCount", self.ChildCount);
    v("ChildMonths", self.ChildMonths);
    v("InvalidConst", self.InvalidConst);
    v("InvalidCount", self.InvalidCount);
    v("InvalidMonths", self.InvalidMonths);
    v("BusinessMonths", self.BusinessMonths);
    v("MonthIncomes", self.MonthIncomes);
    v("MonthExpenses", self.MonthExpenses);
    v("MonthMarks", self.MonthMarks);
    v("ByMonthCodes", self.ByMonthCodes);
    v("MonthCodes", self.MonthCodes);
    v("ByMonthStatus", self.ByMonthStatus);
    v("MonthStatus", self.MonthStatus);
    v("ThirdConst", self.ThirdConst);
    v("ThirdCount", self.ThirdCount);
    v("ThirdMonths", self.ThirdMonths);
  }
  friend bool operator==(const mTStandartDeduct&, const mTStandartDeduct&) = default;
};

}  // namespace kvor
