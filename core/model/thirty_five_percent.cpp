#include "core/model/thirty_five_percent.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

void mTThirtyFivePercent::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(373, [&] {
    storage.CreateStream(streams::Numbered(streams::kThirtyFivePercent, index));
    storage.WriteInteger(static_cast<uint32_t>(IncomeCode));
    SavePayer(storage);
    storage.WriteCurrency(ItogIncomeSum);
    storage.WriteInteger(static_cast<uint32_t>(SubtractCode));
    storage.WriteCurrency(SubtractSum);
    storage.WriteCurrency(HoldSum);
  });
}

void mTThirtyFivePercent::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(374, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kThirtyFivePercent, index));
    IncomeCode = storage.ReadInteger();
    LoadPayer(storage);
    ItogIncomeSum = storage.ReadCurrency();
    SubtractCode = storage.ReadInteger();
    SubtractSum = storage.ReadCurrency();
    HoldSum = storage.ReadCurrency();
  });
}

}  // namespace kvor
