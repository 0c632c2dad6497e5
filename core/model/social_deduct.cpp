#include "core/model/social_deduct.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

#include "core/storage/errors.h"

namespace kvor {

namespace {

// The child-education sums were a linked list walked from its head: a missing first entry and
// a missing later entry carry different numbers.
void RequireEntry(const std::vector<Money>& sums, int index, uint16_t firstCode) {
  if (index < 0 || static_cast<size_t>(index) >= sums.size())
    throw mEMemoryAllocate(messages::kNoMemory, index <= 0 ? firstCode : firstCode + 1);
}

}  // namespace

Money mTSocialDeduct::ChildEduSum(int index) const {
  RequireEntry(ChildEduSums, index, 310);
  return ChildEduSums[index];
}

int mTSocialDeduct::AppendChildEduSum(Money sum) {
  ChildEduSums.push_back(sum);
  return static_cast<int>(ChildEduSums.size()) - 1;
}

void mTSocialDeduct::SetChildEduSum(int index, Money sum) {
  RequireEntry(ChildEduSums, index, 320);
  ChildEduSums[index] = sum;
}

void mTSocialDeduct::DeleteChildEduSum(int index) {
  RequireEntry(ChildEduSums, index, 330);
  ChildEduSums.erase(ChildEduSums.begin() + index);
}

int mTSocialDeduct::AddPens() {
  PensContracts.emplace_back();
  return static_cast<int>(PensContracts.size()) - 1;
}

void mTSocialDeduct::DeletePens(int index) {
  (void)PensContracts.at(index);
  PensContracts.erase(PensContracts.begin() + index);
}

void mTPens::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(375, [&] {
    storage.CreateStream(streams::Numbered(streams::kPensSub, index));
    storage.WriteInteger(static_cast<uint32_t>(PensKind));
    storage.WriteString(SourseIncomeName);
    storage.WriteString(SourseINN);
    storage.WriteString(SourseKPP);
    storage.WriteString(ContractNumber);
    storage.WriteDate(ContractDate);
    storage.WriteCurrency(VZSum);
    storage.WriteCurrency(VichSum);
    storage.WriteCurrency(NASum);
  });
}

void mTPens::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(376, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kPensSub, index));
    PensKind = storage.ReadInteger();
    SourseIncomeName = storage.ReadString();
    SourseINN = storage.ReadString();
    SourseKPP = storage.ReadString();
    ContractNumber = storage.ReadString();
    ContractDate = storage.ReadDate();
    VZSum = storage.ReadCurrency();
    VichSum = storage.ReadCurrency();
    NASum = storage.ReadCurrency();
  });
}

void mTSocialDeduct::Save(mTDocumentStorage& storage) const {
  WithContextCode(383, [&] {
    storage.CreateStream(streams::kSocialDeduct);
    storage.WriteByte(Claimed);
    if (Claimed == 0) return;
    storage.WriteCurrency(CharitySum);
    storage.WriteCurrency(SelfEducationSum);
    storage.WriteInteger(static_cast<uint32_t>(ChildEduSums.size()));
    for (Money sum : ChildEduSums) storage.WriteCurrency(sum);
    storage.WriteCurrency(MedicalSum);
    storage.WriteCurrency(ExpensiveMedicalSum);
    storage.WriteCurrency(Strahovka);
    storage.WriteCurrency(Strahovka2);
    storage.CreateStream(streams::kPens);
    storage.WriteWord(static_cast<uint16_t>(PensContracts.size()));
  });
  for (size_t i = 0; Claimed != 0 && i < PensContracts.size(); ++i)
    PensContracts[i].Save(storage, static_cast<int>(i));
}

void mTSocialDeduct::Load(mTDocumentStorage& storage) {
  int count = 0;
  WithContextCode(384, [&] {
    record_io::OpenRecordStream(storage, streams::kSocialDeduct);
    Claimed = storage.ReadByte();
    if (Claimed == 0) return;
    CharitySum = storage.ReadCurrency();
    SelfEducationSum = storage.ReadCurrency();
    const int sums = record_io::CheckedCount(storage, storage.ReadInteger());
    for (int i = 0; i < sums; ++i) ChildEduSums.push_back(storage.ReadCurrency());
    MedicalSum = storage.ReadCurrency();
    ExpensiveMedicalSum = storage.ReadCurrency();
    Strahovka = storage.ReadCurrency();
    Strahovka2 = storage.ReadCurrency();
    record_io::OpenRecordStream(storage, streams::kPens);
    count = record_io::CheckedCount(storage, storage.ReadWord());
  });
  for (int i = 0; i < count; ++i) PensContracts[AddPens()].Load(storage, i);
}

}  // namespace kvor
