#include "core/model/business_new.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

void mTBusinessNew::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(379, [&] {
    storage.CreateStream(streams::Numbered(streams::kBusinessIncome, index));
    storage.WriteString(ActivityKind);
    storage.WriteString(OKVED);
    storage.WriteCurrency(IncomeSum);
    storage.WriteByte(IsConfirmedExpensies);
    if (IsConfirmedExpensies != 1) {
      storage.WriteCurrency(NormExpense);
      return;
    }
    storage.CreateStream(streams::Numbered(streams::kBusinessExpense, index));
    for (Money sum : {TotalExpense, MaterialExpense, Amortization, LabourExpense,
                      LabourContractExpense, OtherExpense})
      storage.WriteCurrency(sum);
    for (Money part : OtherExpenseParts) storage.WriteCurrency(part);
  });
}

void mTBusinessNew::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(380, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kBusinessIncome, index));
    ActivityKind = storage.ReadString();
    OKVED = storage.ReadString();
    IncomeSum = storage.ReadCurrency();
    IsConfirmedExpensies = storage.ReadByte();
    if (IsConfirmedExpensies != 1) {
      NormExpense = storage.ReadCurrency();
      return;
    }
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kBusinessExpense, index));
    for (Money* sum : {&TotalExpense, &MaterialExpense, &Amortization, &LabourExpense,
                       &LabourContractExpense, &OtherExpense})
      *sum = storage.ReadCurrency();
    for (Money& part : OtherExpenseParts) part = storage.ReadCurrency();
  });
}

}  // namespace kvor
