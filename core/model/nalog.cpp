#include "core/model/nalog.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

void mTNalog::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(375, [&] {
    storage.CreateStream(streams::Numbered(streams::kNalogSub, index));
    storage.WriteString(NalogText1);
    storage.WriteString(NalogText2);
    storage.WriteCurrency(NalogSum);
  });
}

void mTNalog::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(376, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kNalogSub, index));
    NalogText1 = storage.ReadString();
    NalogText2 = storage.ReadString();
    NalogSum = storage.ReadCurrency();
  });
}

}  // namespace kvor
