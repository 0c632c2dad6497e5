#include "core/model/thirteen_percent.h"

#include "core/model/income_list.h"
#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

int mTThirteenPercent::AddIncome(const mTSourseIncome& income) {
  return income_list::Add(Incomes, ItogIncomeSum, income);
}

void mTThirteenPercent::ReplaceIncome(int index, const mTSourseIncome& income) {
  income_list::Replace(Incomes, ItogIncomeSum, index, income);
}

void mTThirteenPercent::DeleteIncome(int index) {
  income_list::Delete(Incomes, ItogIncomeSum, index);
}

void mTThirteenPercent::RebuildItogIncomeSum() {
  ItogIncomeSum = income_list::Sum(Incomes);
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

void mTThirteenPercent::Save(mTDocumentStorage& storage, int index, bool nonResident) const {
  WithContextCode(372, [&] {
    storage.CreateStream(streams::Numbered(
        nonResident ? streams::kThirteenPercentNR : streams::kThirteenPercent, index));
    storage.WriteByte(PrimaryWorkplace);
    SavePayer(storage);
    storage.WriteCurrency(HoldSum);
    storage.WriteCurrency(OblSum);
    storage.WriteCurrency(TaxIsch);
    storage.WriteCurrency(Reserved13Sum);
    // An unmarked month is stored as the empty-sum marker.
    for (int month = 0; month < 12; ++month) {
      if (MonthMarked(month))
        storage.WriteCurrency(MonthSums[month]);
      else
        storage.WriteString("a");
    }
    storage.WriteInteger(static_cast<uint32_t>(Incomes.size()));
    for (size_t m = 0; m < Incomes.size(); ++m) {
      const mTSourseIncome& income = Incomes[m];
      storage.CreateStream(
          streams::Numbered(nonResident ? streams::kSourseIncomeNR : streams::kSourseIncome, index,
                            static_cast<int>(m)));
      storage.WriteInteger(static_cast<uint32_t>(income.IncomeCode));
      storage.WriteString(income.IncomeName);
      storage.WriteCurrency(income.IncomeSum);
      storage.WriteInteger(static_cast<uint32_t>(income.SubtractCode));
      storage.WriteCurrency(income.SubtractSum);
      storage.WriteInteger(static_cast<uint32_t>(income.NormPercent));
      storage.WriteWord(income.Month);
    }
  });
}

void mTThirteenPercent::Load(mTDocumentStorage& storage, int index, bool nonResident) {
  WithContextCode(372, [&] {
    record_io::OpenRecordStream(
        storage, streams::Numbered(
                     nonResident ? streams::kThirteenPercentNR : streams::kThirteenPercent, index));
    // Files of format 1.00 have no such byte.
    if (storage.FormatVersion() >= 65537) PrimaryWorkplace = storage.ReadByte();
    LoadPayer(storage);
    HoldSum = storage.ReadCurrency();
    OblSum = storage.ReadCurrency();
    TaxIsch = storage.ReadCurrency();
    Reserved13Sum = storage.ReadCurrency();
    for (int month = 0; month < 12; ++month) SetMonth(month, storage.ReadCurrency());
    const int count = record_io::CheckedCount(storage, storage.ReadInteger());
    // The total is not stored: adding the incomes rebuilds it.
    ItogIncomeSum = Money();
    for (int m = 0; m < count; ++m) {
      record_io::OpenRecordStream(
          storage, streams::Numbered(
                       nonResident ? streams::kSourseIncomeNR : streams::kSourseIncome, index, m));
      mTSourseIncome income;
      income.IncomeCode = storage.ReadInteger();
      income.IncomeName = storage.ReadString();
      income.IncomeSum = storage.ReadCurrency();
      income.SubtractCode = storage.ReadInteger();
      income.SubtractSum = storage.ReadCurrency();
      income.NormPercent = storage.ReadInteger();
      income.Month = storage.ReadWord();
      record_io::AddingLoadedSum([&] { AddIncome(income); });
    }
  });
}

}  // namespace kvor
