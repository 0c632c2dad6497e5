#include "core/model/currency_income.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

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

void mTCurrencyIncome::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(377, [&] {
    storage.CreateStream(streams::Numbered(streams::kCurrencyIncome, index));
    storage.WriteInteger(static_cast<uint32_t>(IncomeRate));
    storage.WriteInteger(static_cast<uint32_t>(IncomeCode));
    storage.WriteString(IncomeName);
    storage.WriteString(SourseIncomeName);
    storage.WriteString(CountryCode);
    storage.WriteDate(IncomeDate);
    storage.WriteDate(TaxDate);
    storage.WriteByte(AutoExchange);
    storage.WriteString(CurrencyCode);
    storage.WriteCurrency(CurrencyExchange);
    storage.WriteInteger(static_cast<uint32_t>(CurrencyUnits));
    storage.WriteCurrency(CurrencyExchange2);
    storage.WriteInteger(static_cast<uint32_t>(CurrencyUnits2));
    storage.WriteString(CurrencyName);
    storage.WriteCurrency(IncomeCurrencySum);
    storage.WriteCurrency(IncomeRublSum);
    storage.WriteCurrency(TaxCurrencySum);
    storage.WriteCurrency(TaxRoubleSum);
    storage.WriteInteger(static_cast<uint32_t>(SubtractCode));
    storage.WriteCurrency(SubtractSum);
    storage.WriteInteger(static_cast<uint32_t>(NormPercent));
  });
}

void mTCurrencyIncome::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(378, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kCurrencyIncome, index));
    IncomeRate = storage.ReadInteger();
    IncomeCode = storage.ReadInteger();
    IncomeName = storage.ReadString();
    SourseIncomeName = storage.ReadString();
    CountryCode = storage.ReadString();
    IncomeDate = storage.ReadDate();
    TaxDate = storage.ReadDate();
    AutoExchange = storage.ReadByte();
    CurrencyCode = storage.ReadString();
    CurrencyExchange = storage.ReadCurrency();
    CurrencyUnits = storage.ReadInteger();
    CurrencyExchange2 = storage.ReadCurrency();
    CurrencyUnits2 = storage.ReadInteger();
    CurrencyName = storage.ReadString();
    IncomeCurrencySum = storage.ReadCurrency();
    IncomeRublSum = storage.ReadCurrency();
    TaxCurrencySum = storage.ReadCurrency();
    TaxRoubleSum = storage.ReadCurrency();
    SubtractCode = storage.ReadInteger();
    SubtractSum = storage.ReadCurrency();
    NormPercent = storage.ReadInteger();
  });
}

}  // namespace kvor
