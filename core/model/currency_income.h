#pragma once

#include <cstdint>
#include <string>

#include "core/common/date.h"
#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// One income received abroad in foreign currency, with the tax paid on it abroad.
struct mTCurrencyIncome {
  mTCurrencyIncome();

  int32_t IncomeRate = 0;  // tax rate in percent of the income code
  int32_t IncomeCode = 0;  // 0 none
  std::string IncomeName;
  std::string SourseIncomeName;  // the payer
  std::string CountryCode;       // ОКСМ code of the payer's country
  Date IncomeDate;               // 01.01.2014 when created
  Date TaxDate;                  // 01.01.2014 when created
  std::string CurrencyCode;
  Money CurrencyExchange;  // roubles for CurrencyUnits units on IncomeDate
  int32_t CurrencyUnits = 0;
  Money CurrencyExchange2;  // roubles for CurrencyUnits2 units on TaxDate
  int32_t CurrencyUnits2 = 0;
  std::string CurrencyName;
  Money IncomeCurrencySum;
  Money IncomeRublSum;  // set by SetIncome
  Money TaxCurrencySum;
  Money TaxRoubleSum;        // set by SetTax
  uint8_t AutoExchange = 0;  // the rates come from the currency rates file
  int32_t SubtractCode = 0;  // 0 none
  Money SubtractSum;
  int32_t NormPercent = 0;

  // Store the sum in currency and its rouble equivalent at the rate of its date: the sum times
  // the rate divided by the units, rounded half up to kopecks; 0 when the units are 0.
  void SetIncome(Money currencySum);
  void SetTax(Money currencySum);

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("IncomeRate", self.IncomeRate);
    v("IncomeCode", self.IncomeCode);
    v("IncomeName", self.IncomeName);
    v("SourseIncomeName", self.SourseIncomeName);
    v("CountryCode", self.CountryCode);
    v("IncomeDate", self.IncomeDate);
    v("TaxDate", self.TaxDate);
    v("AutoExchange", self.AutoExchange);
    v("CurrencyCode", self.CurrencyCode);
    v("CurrencyExchange", self.CurrencyExchange);
    v("CurrencyUnits", self.CurrencyUnits);
    v("CurrencyExchange2", self.CurrencyExchange2);
    v("CurrencyUnits2", self.CurrencyUnits2);
    v("CurrencyName", self.CurrencyName);
    v("IncomeCurrencySum", self.IncomeCurrencySum);
    v("IncomeRublSum", self.IncomeRublSum);
    v("TaxCurrencySum", self.TaxCurrencySum);
    v("TaxRoubleSum", self.TaxRoubleSum);
    v("SubtractCode", self.SubtractCode);
    v("SubtractSum", self.SubtractSum);
    v("NormPercent", self.NormPercent);
  }
  friend bool operator==(const mTCurrencyIncome&, const mTCurrencyIncome&) = default;
};

// The rouble equivalent of `currencySum` at `exchange` roubles for `units` units, rounded half
// up to kopecks; 0 when `units` is 0.
Money RoubleEquivalent(Money currencySum, Money exchange, int32_t units);

}  // namespace kvor
