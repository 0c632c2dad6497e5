#pragma once

#include <cstdint>
#include <vector>

#include "core/common/money.h"
#include "core/model/declaration.h"

// Small returns the tests of several parts build the same way. Header only, so the window tests
// can use it as well.
namespace kvor::test {

// The inspection 7701 and a taxpayer Иванов Иван with a valid ИНН who lives in region 77 on
// Тверская: what the whole-return check asks of a resident's return with an ИНН, but the ОКТМО.
inline void FillCheckedTaxpayer(mTDeclaration& d) {
  d.InspectionNumber = "7701";
  mTPersonInformation& p = d.PersonInformation;
  p.SurName = "Иванов";
  p.Name = "Иван";
  p.INN = "123456789047";
  p.RegionCode = 77;
  p.Street = "Тверская";
}

// An employer "ООО Ромашка" with a valid ИНН and КПП, in ОКТМО 45382000, that paid a salary (code
// 2000) of `roubles` in each of `months` (1–12) and withheld `withheld` roubles in all.
inline mTThirteenPercent SalaryPayer(const std::vector<uint16_t>& months, int64_t roubles,
                                     int64_t withheld) {
  mTThirteenPercent payer;
  payer.SourseIncomeName = "ООО Ромашка";
  payer.SourseINN = "1234567894";
  payer.SourseKPP = "123456789";
  payer.SourseOKTMO = "45382000";
  for (uint16_t month : months) {
    mTSourseIncome salary;
    salary.IncomeCode = 2000;
    salary.IncomeSum = Money::Roubles(roubles);
    salary.Month = month;
    payer.AddIncome(salary);
    payer.SetMonth(month - 1, Money::Roubles(roubles));
  }
  payer.HoldSum = Money::Roubles(withheld);
  return payer;
}

// Adds two payers of 900 000 000 000 000 roubles each: more than the computation can add up, so
// any run over the return fails.
inline void AddIncomesBeyondAdding(mTDeclaration& d) {
  for (int i = 0; i < 2; ++i) {
    mTSourseIncome income;
    income.IncomeCode = 2000;
    income.IncomeSum = Money::Roubles(900000000000000);
    d.Incomes13.emplace_back().AddIncome(income);
  }
}

}  // namespace kvor::test
