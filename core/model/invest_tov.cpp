#include "core/model/invest_tov.h"

namespace kvor {

int mTInvestTov::AddIncome(const mTInvestTovIncome& income) {
  ItogIncomeSum += income.IncomeSum;
  InvestIncomes.push_back(income);
  return static_cast<int>(InvestIncomes.size()) - 1;
}

void mTInvestTov::ReplaceIncome(int index, const mTInvestTovIncome& income) {
  mTInvestTovIncome& old = InvestIncomes.at(index);
  ItogIncomeSum -= old.IncomeSum;
  old = income;
  ItogIncomeSum += income.IncomeSum;
}

void mTInvestTov::DeleteIncome(int index) {
  ItogIncomeSum -= InvestIncomes.at(index).IncomeSum;
  InvestIncomes.erase(InvestIncomes.begin() + index);
}

void mTInvestTov::RebuildItogIncomeSum() {
  Money total;
  for (const mTInvestTovIncome& income : InvestIncomes) total += income.IncomeSum;
  ItogIncomeSum = total;
}

}  // namespace kvor
