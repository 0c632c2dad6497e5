#include "core/model/invest_tov.h"

#include "core/model/income_list.h"
#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

int mTInvestTov::AddIncome(const mTInvestTovIncome& income) {
  return income_list::Add(InvestIncomes, ItogIncomeSum, income);
}

void mTInvestTov::ReplaceIncome(int index, const mTInvestTovIncome& income) {
  income_list::Replace(InvestIncomes, ItogIncomeSum, index, income);
}

void mTInvestTov::DeleteIncome(int index) {
  income_list::Delete(InvestIncomes, ItogIncomeSum, index);
}

void mTInvestTov::RebuildItogIncomeSum() {
  ItogIncomeSum = income_list::Sum(InvestIncomes);
}

void mTInvestTov::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(399, [&] {
    storage.CreateStream(streams::Numbered(streams::kInvestTov, index));
    SavePayer(storage);
    storage.WriteCurrency(HoldSum);
    storage.WriteCurrency(OblSum);
    storage.WriteCurrency(TaxIsch);
    storage.WriteInteger(static_cast<uint32_t>(InvestIncomes.size()));
    for (size_t m = 0; m < InvestIncomes.size(); ++m) {
      const mTInvestTovIncome& income = InvestIncomes[m];
      storage.CreateStream(
          streams::Numbered(streams::kInvestTovIncome, index, static_cast<int>(m)));
      storage.WriteInteger(static_cast<uint32_t>(income.OperationKind));
      storage.WriteCurrency(income.IncomeSum);
      storage.WriteCurrency(income.ExpenseSum);
      storage.WriteCurrency(income.RewardSum);
      storage.WriteCurrency(income.PrevYearsSum);
    }
  });
}

void mTInvestTov::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(400, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kInvestTov, index));
    LoadPayer(storage);
    HoldSum = storage.ReadCurrency();
    OblSum = storage.ReadCurrency();
    TaxIsch = storage.ReadCurrency();
    const int count = record_io::CheckedCount(storage, storage.ReadInteger());
    // The total is not stored: adding the incomes rebuilds it.
    ItogIncomeSum = Money();
    for (int m = 0; m < count; ++m) {
      record_io::OpenRecordStream(storage, streams::Numbered(streams::kInvestTovIncome, index, m));
      mTInvestTovIncome income;
      income.OperationKind = storage.ReadInteger();
      income.IncomeSum = storage.ReadCurrency();
      income.ExpenseSum = storage.ReadCurrency();
      income.RewardSum = storage.ReadCurrency();
      income.PrevYearsSum = storage.ReadCurrency();
      record_io::AddingLoadedSum([&] { AddIncome(income); });
    }
  });
}

}  // namespace kvor
