#pragma once

// Small returns for the computation tests, built in code.

#include <ostream>
#include <string>
#include <vector>

#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

// Amounts in test failures as text rather than bytes.
inline void PrintTo(Money amount, std::ostream* out) {
  *out << amount.ToShortText('.');
}

}  // namespace kvor

namespace kvor::returns {

// An amount from its text, "1234.56".
Money M(const char* text);

// One income of a 13 % payer.
mTSourseIncome Income(int32_t code, const char* sum, uint16_t month = 1, int32_t subtractCode = 0,
                      const char* subtractSum = "0");
// The same income in each month from January to December.
std::vector<mTSourseIncome> EveryMonth(int32_t code, const char* sum);

// A 13 %-type payer with its incomes, the tax it withheld and the tax it computed.
mTThirteenPercent Payer(std::vector<mTSourseIncome> incomes, const char* withheld = "0",
                        const char* oktmo = "45000000", const char* computed = "0");

// A foreign-currency income at a rate with its income and foreign tax in roubles.
mTCurrencyIncome Foreign(int32_t rate, int32_t code, const char* roubles,
                         const char* foreignTaxRoubles = "0", int32_t subtractCode = 0,
                         const char* subtractSum = "0");

// The taxpayer's municipality in every return built here.
inline const std::string kTaxpayerOktmo = "45383000";

// A new 3-NDFL return of a resident (or of a non-resident) with the given income kinds and
// standard deductions not claimed.
mTDeclaration Resident(uint8_t incomeFlags = kIncomeInCountry);
mTDeclaration NonResident(uint8_t incomeFlags = kIncomeInCountry);

// A return from a JSON file of tests/fixtures/computation.
mTDeclaration FromFixture(const std::string& name);

}  // namespace kvor::returns
