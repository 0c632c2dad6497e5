#include "core/computation/returns.h"

#include "core/model/json_io.h"
#include "support/test_support.h"

namespace kvor::returns {

Money M(const char* text) {
  return Money::Parse(text, '.').value();
}

mTSourseIncome Income(int32_t code, const char* sum, uint16_t month, int32_t subtractCode,
                      const char* subtractSum) {
  mTSourseIncome income;
  income.IncomeCode = code;
  income.IncomeSum = M(sum);
  income.Month = month;
  income.SubtractCode = subtractCode;
  income.SubtractSum = M(subtractSum);
  return income;
}

std::vector<mTSourseIncome> EveryMonth(int32_t code, const char* sum) {
  std::vector<mTSourseIncome> incomes;
  for (uint16_t month = 1; month <= 12; ++month) incomes.push_back(Income(code, sum, month));
  return incomes;
}

mTThirteenPercent Payer(std::vector<mTSourseIncome> incomes, const char* withheld,
                        const char* oktmo, const char* computed) {
  mTThirteenPercent payer;
  for (const mTSourseIncome& income : incomes) payer.AddIncome(income);
  payer.HoldSum = M(withheld);
  payer.TaxIsch = M(computed);
  payer.SourseOKTMO = oktmo;
  return payer;
}

mTCurrencyIncome Foreign(int32_t rate, int32_t code, const char* roubles,
                         const char* foreignTaxRoubles, int32_t subtractCode,
                         const char* subtractSum) {
  mTCurrencyIncome income;
  income.IncomeRate = rate;
  income.IncomeCode = code;
  income.IncomeRublSum = M(roubles);
  income.TaxRoubleSum = M(foreignTaxRoubles);
  income.SubtractCode = subtractCode;
  income.SubtractSum = M(subtractSum);
  return income;
}

namespace {

mTDeclaration NewReturn(uint8_t type, uint8_t incomeFlags) {
  mTDeclaration d;
  d.DeclarationType = type;
  d.SetIncomeFlags(incomeFlags);
  d.StandartDeduct.Claimed = 0;
  d.PersonInformation.OKTMO = kTaxpayerOktmo;
  return d;
}

}  // namespace

mTDeclaration Resident(uint8_t incomeFlags) {
  return NewReturn(kDeclaration3NDFL, incomeFlags);
}

mTDeclaration NonResident(uint8_t incomeFlags) {
  return NewReturn(kDeclaration3NDFLNonResident, incomeFlags);
}

mTDeclaration FromFixture(const std::string& name) {
  return DeclarationFromJsonText(test::ReadFile(test::FixturePath("computation/" + name)));
}

}  // namespace kvor::returns
