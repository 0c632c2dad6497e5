#include "core/model/thirty_percent.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

void mTThirtyPercent::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(375, [&] {
    storage.CreateStream(streams::Numbered(streams::kThirtyPercent, index));
    storage.WriteInteger(static_cast<uint32_t>(IncomeCode));
    SavePayer(storage);
    storage.WriteCurrency(ItogIncomeSum);
    storage.WriteCurrency(TaxIsch);
    storage.WriteCurrency(OblSum);
    storage.WriteCurrency(HoldSum);
  });
}

void mTThirtyPercent::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(376, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kThirtyPercent, index));
    IncomeCode = storage.ReadInteger();
    LoadPayer(storage);
    ItogIncomeSum = storage.ReadCurrency();
    TaxIsch = storage.ReadCurrency();
    OblSum = storage.ReadCurrency();
    HoldSum = storage.ReadCurrency();
  });
}

}  // namespace kvor
