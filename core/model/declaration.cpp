#include "core/model/declaration.h"

#include <optional>

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"
#include "core/storage/errors.h"

namespace kvor {

mTDeclaration::mTDeclaration() : SignDate(Date::Today()), BeginningFH(*Date::FromYMD(2000, 1, 1)) {}

void mTDeclaration::PrepareNew() {
  InspectionNumber.clear();
  SignDate = Date::Today();
  ConfirmKind = 0;
  SetIncomeFlags(kIncomeInCountry);
  AutoCalculateApp = 1;
}

void mTDeclaration::SetIncomeFlags(uint8_t flags) {
  auto apply = [&](IncomeFlag bit, auto&& clearRecords) {
    bool was = (IncomeFlags & bit) != 0;
    bool now = (flags & bit) != 0;
    if (was == now) return;
    clearRecords();
    if (now)
      IncomeFlags |= bit;
    else
      IncomeFlags &= static_cast<uint8_t>(~bit);
  };
  apply(kIncomeInCountry, [&] {
    if (HasIncome(kIncomeInCountry)) {
      ForeignerFixedPayments = Money();
      FarmMonths = 0;
    }
    Incomes13.clear();
    Incomes13NR.clear();
    Incomes35.clear();
    Dividends.clear();
  });
  apply(kIncomeForeign, [&] { CurrencyIncomes.clear(); });
  apply(kIncomeInvestTov, [&] { InvestTovs.clear(); });
  apply(kIncomeBusiness, [&] { BusinessIncomes.clear(); });
  apply(kIncomeReserved, [] {});
}

void mTDeclaration::SetAppendixCount(int32_t count) {
  if (AutoCalculateApp == 0) AppendixCount = count;
}

void mTDeclaration::SetForeignDocCount(int32_t count) {
  if (AutoCalculateApp == 1) AppendixCount += count - ForeignDocCount;
  ForeignDocCount = count;
}

namespace {

template <class List, class SaveRecord>
void SaveList(mTDocumentStorage& storage, const List& list, SaveRecord&& saveRecord) {
  storage.WriteWord(static_cast<uint16_t>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) saveRecord(list[i], static_cast<int>(i));
}

// Reads a word count and that many records. The count is checked against the bytes left
// before any record is made, so a damaged count cannot make the program allocate at will.
template <class List, class LoadRecord>
void LoadList(mTDocumentStorage& storage, List& list, LoadRecord&& loadRecord) {
  uint16_t count = storage.ReadWord();
  storage.RequireValues(count);
  for (int i = 0; i < count; ++i) {
    list.emplace_back();
    loadRecord(list.back(), i);
  }
}

}  // namespace

void mTDeclaration::Save(mTDocumentStorage& storage) const {
  storage.CreateStorage(streams::kCurrentTitle);

  storage.CreateStream(streams::kDeclInfo);
  storage.WriteString(InspectionNumber);
  storage.WriteString(TaxAuthorityName);
  storage.WriteByte(ReservedByte);
  storage.WriteInteger(static_cast<uint32_t>(CorrectionNumber));
  storage.WriteDate(SignDate);
  storage.WriteWord(ConfirmKind);
  storage.WriteWord(TaxpayerKind);
  storage.WriteWord(DeclarationType);
  storage.WriteWord(IncomeFlags);
  storage.WriteByte(AutoCalculateApp);
  for (int32_t value : {AppendixCount, ForeignDocCount, ReservedInt1, FarmMonths, ReservedInt2,
                        ReservedInt3, ReservedInt4, ReservedInt5, ReservedInt6, ReservedInt7})
    storage.WriteInteger(static_cast<uint32_t>(value));
  storage.WriteString(RepresentativeDocument);
  storage.WriteCurrency(SupposeIncome);
  storage.WriteString(RepresentativeName);
  storage.WriteString(RepresentativeOrganization);
  storage.WriteCurrency(ForeignerFixedPayments);

  PersonInformation.Save(storage);

  if (HasIncome(kIncomeInCountry)) {
    storage.CreateStream(streams::kDeclInquiry);
    SaveList(storage, Incomes13, [&](auto& r, int i) { r.Save(storage, i, false); });
    SaveList(storage, Incomes13NR, [&](auto& r, int i) { r.Save(storage, i, true); });
    SaveList(storage, Incomes35, [&](auto& r, int i) { r.Save(storage, i); });
    SaveList(storage, Dividends, [&](auto& r, int i) { r.Save(storage, i); });
  }
  if (HasIncome(kIncomeForeign)) {
    storage.CreateStream(streams::kDeclForeign);
    SaveList(storage, CurrencyIncomes, [&](auto& r, int i) { r.Save(storage, i); });
  }
  if (HasIncome(kIncomeInvestTov)) {
    storage.CreateStream(streams::kDeclInvestTov);
    SaveList(storage, InvestTovs, [&](auto& r, int i) { r.Save(storage, i); });
  }
  if (HasIncome(kIncomeBusiness)) {
    storage.CreateStream(streams::kDeclBusiness);
    SaveList(storage, BusinessIncomes, [&](auto& r, int i) { r.Save(storage, i); });
    storage.WriteCurrency(ActualPrepayment);
    storage.WriteCurrency(SupposeIncome);
    storage.WriteCurrency(ReservedSum);
    storage.WriteCurrency(NachPrepayment);
    storage.WriteString(RepresentativeDocument);
    storage.WriteByte(IsFH);
    storage.WriteDate(BeginningFH);
    storage.WriteCurrency(FHSum);
    storage.WriteCurrency(CorIncome);
    storage.WriteCurrency(CorExpense);
  }
  if (IncomeFlags != 0) {
    StandartDeduct.Save(storage);
    SocialDeduct.Save(storage);
    ConstructionDeduct.Save(storage);
    CBDeduct.Save(storage);
  }

  storage.CreateStream(streams::kNalog);
  SaveList(storage, Nalogs, [&](auto& r, int i) { r.Save(storage, i); });
}

void mTDeclaration::Load(mTDocumentStorage& storage) {
  try {
    storage.OpenStorage();
  } catch (mEBadStorage& error) {
    error.ContextCode = 391;
    throw;
  } catch (const EConvertError&) {
    throw mEBadStorage(messages::kDamagedFile, 392);
  }

  // A file of an earlier year gives only its taxpayer; everything else keeps its initial value.
  if (storage.Title() != streams::kCurrentTitle) {
    storage.OpenStream(streams::kDeclInfo);
    PersonInformation.Load(storage);
    return;
  }

  storage.OpenStream(streams::kDeclInfo);
  InspectionNumber = storage.ReadString();
  TaxAuthorityName = storage.ReadString();
  ReservedByte = storage.ReadByte();
  CorrectionNumber = storage.ReadInteger();
  SignDate = storage.ReadDate();
  ConfirmKind = static_cast<uint8_t>(storage.ReadWord());
  TaxpayerKind = static_cast<uint8_t>(storage.ReadWord());
  DeclarationType = static_cast<uint8_t>(storage.ReadWord());
  SetIncomeFlags(static_cast<uint8_t>(storage.ReadWord()));
  AutoCalculateApp = storage.ReadByte();
  for (int32_t* value :
       {&AppendixCount, &ForeignDocCount, &ReservedInt1, &FarmMonths, &ReservedInt2, &ReservedInt3,
        &ReservedInt4, &ReservedInt5, &ReservedInt6, &ReservedInt7})
    *value = storage.ReadInteger();
  RepresentativeDocument = storage.ReadString();
  SupposeIncome = storage.ReadCurrency();
  RepresentativeName = storage.ReadString();
  RepresentativeOrganization = storage.ReadString();
  ForeignerFixedPayments = storage.ReadCurrency();

  PersonInformation.Load(storage);

  if (HasIncome(kIncomeInCountry)) {
    record_io::OpenRecordStream(storage, streams::kDeclInquiry);
    LoadList(storage, Incomes13, [&](auto& r, int i) { r.Load(storage, i, false); });
    LoadList(storage, Incomes13NR, [&](auto& r, int i) { r.Load(storage, i, true); });
    LoadList(storage, Incomes35, [&](auto& r, int i) { r.Load(storage, i); });
    LoadList(storage, Dividends, [&](auto& r, int i) { r.Load(storage, i); });
  }
  // Read in the order written, so that every stream is found where the previous one ends and
  // never at a text value equal to its name.
  if (HasIncome(kIncomeForeign)) {
    record_io::OpenRecordStream(storage, streams::kDeclForeign);
    LoadList(storage, CurrencyIncomes, [&](auto& r, int i) { r.Load(storage, i); });
  }
  if (HasIncome(kIncomeInvestTov)) {
    record_io::OpenRecordStream(storage, streams::kDeclInvestTov);
    LoadList(storage, InvestTovs, [&](auto& r, int i) { r.Load(storage, i); });
  }
  if (HasIncome(kIncomeBusiness)) {
    record_io::OpenRecordStream(storage, streams::kDeclBusiness);
    LoadList(storage, BusinessIncomes, [&](auto& r, int i) { r.Load(storage, i); });
    ActualPrepayment = storage.ReadCurrency();
    SupposeIncome = storage.ReadCurrency();
    ReservedSum = storage.ReadCurrency();
    NachPrepayment = storage.ReadCurrency();
    RepresentativeDocument = storage.ReadString();
    IsFH = storage.ReadByte();
    BeginningFH = storage.ReadDate();
    FHSum = storage.ReadCurrency();
    CorIncome = storage.ReadCurrency();
    CorExpense = storage.ReadCurrency();
  }
  if (IncomeFlags != 0) {
    StandartDeduct.Load(storage);
    SocialDeduct.Load(storage);
    ConstructionDeduct.Load(storage);
    CBDeduct.Load(storage);
  }

  record_io::OpenRecordStream(storage, streams::kNalog);
  LoadList(storage, Nalogs, [&](auto& r, int i) { r.Load(storage, i); });
}

std::string mTDeclaration::SaveToBytes() const {
  mTFileLoader loader("", 0, false);
  mTDocumentStorage storage(&loader);
  Save(storage);
  return std::move(loader.Data());
}

void mTDeclaration::SaveToFile(const std::string& fileName) const {
  mTFileLoader loader(fileName, 0, false);
  mTDocumentStorage storage(&loader);
  Save(storage);
  try {
    loader.Commit();
  } catch (mEBadStorage& error) {
    error.ContextCode = 389;
    throw;
  }
}

void mTDeclaration::LoadFromBytes(std::string bytes) {
  mTFileLoader loader = mTFileLoader::FromBytes("", std::move(bytes));
  mTDocumentStorage storage(&loader);
  // Loaded into a fresh return and taken over whole, so a failure leaves this one untouched.
  mTDeclaration loaded;
  loaded.Load(storage);
  *this = std::move(loaded);
}

void mTDeclaration::LoadFromFile(const std::string& fileName) {
  std::optional<mTFileLoader> loader;
  try {
    loader.emplace(fileName, 0, true);
  } catch (mEBadStorage& error) {
    error.ContextCode = 390;
    throw;
  }
  mTDocumentStorage storage(&*loader);
  mTDeclaration loaded;
  loaded.Load(storage);
  *this = std::move(loaded);
}

}  // namespace kvor
