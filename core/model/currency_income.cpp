#include "core/model/currency_income.h"

namespace kvor {

mTCurrencyIncome::mTCurrencyIncome()
    : IncomeDate(*Date::FromYMD(2014, 1, 1)), TaxDate(*Date::FromYMD(2014, 1, 1)) {}

Money RoubleEquivalent(Money currencySum, Money exchange, int32_t units) {
  if (units == 0) return Money();
  return currencySum.MulRatioRoundToKopecks(exchange.Raw(), int64_t{units} * Money::kScale);
}

void mTCurrencyIncome::SetIncome(Money currencySum) {
  IncomeCurrencySum = currencySum;
  IncomeRublSum = RoubleEquivalent(currencySum, CurrencyExchange, CurrencyUnits);
}

void mTCurrencyIncome::SetTax(Money currencySum) {
  TaxCurrencySum = currencySum;
  TaxRoubleSum = RoubleEquivalent(currencySum, CurrencyExchange2, CurrencyUnits2);
}

}  // namespace kvor
