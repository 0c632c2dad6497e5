#pragma once

// The list of incomes of a payer record and the payer's total: every change to the list goes
// through these, so that the total stays the sum of the incomes' IncomeSum.

#include <vector>

#include "core/common/money.h"

namespace kvor::income_list {

// Appends `income` and adds its sum to `total`; returns its index.
template <class Income>
int Add(std::vector<Income>& incomes, Money& total, const Income& income) {
  total += income.IncomeSum;
  incomes.push_back(income);
  return static_cast<int>(incomes.size()) - 1;
}

template <class Income>
void Replace(std::vector<Income>& incomes, Money& total, int index, const Income& income) {
  Income& old = incomes.at(index);
  total -= old.IncomeSum;
  old = income;
  total += income.IncomeSum;
}

template <class Income>
void Delete(std::vector<Income>& incomes, Money& total, int index) {
  total -= incomes.at(index).IncomeSum;
  incomes.erase(incomes.begin() + index);
}

// The sum of the incomes (for a list that was filled directly).
template <class Income>
Money Sum(const std::vector<Income>& incomes) {
  Money total;
  for (const Income& income : incomes) total += income.IncomeSum;
  return total;
}

}  // namespace kvor::income_list
