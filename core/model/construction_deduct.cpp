#include "core/model/construction_deduct.h"

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

mTConstructionDeductObj::mTConstructionDeductObj()
    : RegRightDate(*Date::FromYMD(2003, 1, 1)),
      BuyDate(*Date::FromYMD(2003, 1, 1)),
      BeginningUsePrivilegeDate(*Date::FromYMD(2003, 1, 1)) {}

int mTConstructionDeduct::AddObject(const mTConstructionDeductObj& object) {
  Objects.push_back(object);
  return static_cast<int>(Objects.size()) - 1;
}

void mTConstructionDeduct::DeleteObject(int index) {
  (void)Objects.at(index);
  Objects.erase(Objects.begin() + index);
}

void mTConstructionDeductObj::Save(mTDocumentStorage& storage, int index) const {
  WithContextCode(397, [&] {
    storage.CreateStream(streams::Numbered(streams::kConstructionDeductObj, index));
    storage.WriteInteger(static_cast<uint32_t>(ObjectKind));
    storage.WriteInteger(static_cast<uint32_t>(OwnershipKind));
    storage.WriteInteger(static_cast<uint32_t>(TaxpayerSign));
    for (const std::string* text :
         {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House, &Building, &Flat})
      storage.WriteString(*text);
    storage.WriteDate(RegRightDate);
    storage.WriteDate(BuyDate);
    storage.WriteDate(BeginningUsePrivilegeDate);
    storage.WriteDate(AppDate);
    storage.WriteDate(RegZemDate);
    storage.WriteInteger(static_cast<uint32_t>(DolNumerator));
    storage.WriteInteger(static_cast<uint32_t>(DolDenominator));
    storage.WriteByte(IsInvest);
    storage.WriteByte(IsPensioner);
    storage.WriteCurrency(ObjectCost);
    storage.WriteCurrency(CreditInterest);
  });
}

void mTConstructionDeductObj::Load(mTDocumentStorage& storage, int index) {
  WithContextCode(398, [&] {
    record_io::OpenRecordStream(storage, streams::Numbered(streams::kConstructionDeductObj, index));
    ObjectKind = storage.ReadInteger();
    OwnershipKind = storage.ReadInteger();
    TaxpayerSign = storage.ReadInteger();
    for (std::string* text :
         {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House, &Building, &Flat})
      *text = storage.ReadString();
    RegRightDate = storage.ReadDate();
    BuyDate = storage.ReadDate();
    BeginningUsePrivilegeDate = storage.ReadDate();
    AppDate = storage.ReadDate();
    RegZemDate = storage.ReadDate();
    DolNumerator = storage.ReadInteger();
    DolDenominator = storage.ReadInteger();
    IsInvest = storage.ReadByte();
    IsPensioner = storage.ReadByte();
    ObjectCost = storage.ReadCurrency();
    CreditInterest = storage.ReadCurrency();
  });
}

void mTConstructionDeduct::Save(mTDocumentStorage& storage) const {
  WithContextCode(385, [&] {
    storage.CreateStream(streams::kConstructionDeduct);
    storage.WriteByte(Claimed);
    if (Claimed == 0) return;
    for (Money sum :
         {TransferringChargeSum, TransferringCreditSum, PostYears, PostYearsIp, VychNA, VychIpNA})
      storage.WriteCurrency(sum);
    // Written as an integer, read back as a word.
    storage.WriteInteger(static_cast<uint32_t>(Objects.size()));
  });
  for (size_t i = 0; Claimed != 0 && i < Objects.size(); ++i)
    Objects[i].Save(storage, static_cast<int>(i));
}

void mTConstructionDeduct::Load(mTDocumentStorage& storage) {
  int count = 0;
  WithContextCode(386, [&] {
    record_io::OpenRecordStream(storage, streams::kConstructionDeduct);
    Claimed = storage.ReadByte();
    if (Claimed == 0) return;
    for (Money* sum : {&TransferringChargeSum, &TransferringCreditSum, &PostYears, &PostYearsIp,
                       &VychNA, &VychIpNA})
      *sum = storage.ReadCurrency();
    count = record_io::CheckedCount(storage, storage.ReadWord());
  });
  for (int i = 0; i < count; ++i) {
    Objects.emplace_back();
    Objects.back().Load(storage, i);
  }
}

}  // namespace kvor
