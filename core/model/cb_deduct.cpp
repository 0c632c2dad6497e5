#include "core/model/cb_deduct.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

Money mTCBDeduct::CBTotal() const {
  Money total;
  for (Money loss : CBLoss) total += loss;
  return total;
}

Money mTCBDeduct::FissTotal() const {
  Money total;
  for (Money loss : FissLoss) total += loss;
  return total;
}

void mTCBDeduct::Save(mTDocumentStorage& storage) const {
  WithContextCode(395, [&] {
    storage.CreateStream(streams::kCBDeduct);
    for (Money loss : CBLoss) storage.WriteCurrency(loss);
    for (Money loss : FissLoss) storage.WriteCurrency(loss);
  });
}

void mTCBDeduct::Load(mTDocumentStorage& storage) {
  WithContextCode(396, [&] {
    record_io::OpenRecordStream(storage, streams::kCBDeduct);
    for (Money& loss : CBLoss) loss = storage.ReadCurrency();
    for (Money& loss : FissLoss) loss = storage.ReadCurrency();
  });
}

}  // namespace kvor
