#include "core/model/thirteen_percent.h"

namespace kvor {

int mTThirteenPercent::AddIncome(const mTSourseIncome& income) {
  ItogIncomeSum += income.IncomeSum;
  Incomes.push_back(income);
  return static_cast<int>(Incomes.size()) - 1;
}

void mTThirteenPercent::ReplaceIncome(int index, const mTSourseIncome& income) {
  mTSourseIncome& old = Incomes.at(index);
  ItogIncomeSum -= old.IncomeSum;
  old = income;
  ItogIncomeSum += income.IncomeSum;
}

void mTThirteenPercent::DeleteIncome(int index) {
  ItogIncomeSum -= Incomes.at(index).IncomeSum;
  Incomes.erase(Incomes.begin() + index);
}

void mTThirteenPercent::RebuildItogIncomeSum() {
  Money total;
  for (const mTSourseIncome& income : Incomes) total += income.IncomeSum;
  ItogIncomeSum = total;
}

void mTThirteenPercent::SetMonth(int month, Money amount) {
  const auto bit = static_cast<uint16_t>(1u << month);
  if (amount == Money::Roubles(-1)) {
    MonthMarks &= static_cast<uint16_t>(~bit);
    MonthSums.at(month) = Money();
  } else {
    MonthMarks |= bit;
    MonthSums.at(month) = amount;
  }
}

}  // namespace kvor
