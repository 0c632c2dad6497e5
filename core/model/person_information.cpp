#include "core/model/person_information.h"

#include <cctype>

#include "core/model/record_io.h"
#include "core/model/stream_names.h"
#include "core/storage/document_storage.h"

namespace kvor {

mTPersonInformation::mTPersonInformation()
    : DocIssueDate(*Date::FromYMD(1990, 1, 1)), BirthDate(*Date::FromYMD(1977, 1, 1)) {}

int KnownTitleYear(std::string_view title) {
  if (title.size() != 8) return 0;
  for (size_t i = 0; i < 4; ++i)
    if (!std::isalpha(static_cast<unsigned char>(title[i]))) return 0;
  int year = 0;
  for (size_t i = 4; i < 8; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(title[i]))) return 0;
    year = year * 10 + (title[i] - '0');
  }
  return year >= 2004 && year <= 2014 ? year : 0;
}

void mTPersonInformation::Save(mTDocumentStorage& storage) const {
  WithContextCode(370, [&] {
    storage.CreateStream(streams::kPersonName);
    for (const std::string* text :
         {&SurName, &Name, &Patronymic, &INN, &ReservedNameText, &ReservedNameCode})
      storage.WriteString(*text);

    storage.CreateStream(streams::kPersonDocument);
    storage.WriteWord(DocTypeCode);
    storage.WriteString(DocTypeName);
    storage.WriteString(DocSerial);
    storage.WriteDate(DocIssueDate);
    storage.WriteDate(BirthDate);
    storage.WriteString(DocIssuedBy);
    storage.WriteString(BirthPlace);
    storage.WriteByte(ReservedDocByte);

    storage.CreateStream(streams::kForeigner);
    for (const std::string* text :
         {&CitizenshipSign, &CitizenshipName, &ForeignAddress, &CountryCode})
      storage.WriteString(*text);
    storage.CreateStream(streams::kPhoneForeignerHome);
    storage.WriteString(ForeignerHomePhone1);
    storage.WriteString(ForeignerHomePhone2);
    storage.CreateStream(streams::kPhoneForeignerWork);
    storage.WriteString(ForeignerWorkPhone1);
    storage.WriteString(ForeignerWorkPhone2);

    storage.CreateStream(streams::kPersonAddress);
    storage.WriteByte(AddressKind);
    storage.WriteString(PostIndex);
    storage.WriteWord(RegionCode);
    for (const std::string* text :
         {&RegionName, &District, &City, &Locality, &Street, &House, &Building, &Flat, &OKTMO})
      storage.WriteString(*text);

    storage.CreateStream(streams::kHomePhone);
    storage.WriteString(HomePhoneReserved);
    storage.WriteString(HomePhone);
    storage.CreateStream(streams::kWorkPhone);
    storage.WriteString(WorkPhone1);
    storage.WriteString(WorkPhone2);
  });
}

void mTPersonInformation::Load(mTDocumentStorage& storage) {
  // Files of earlier years hold fewer values; which ones depends on the year of the title.
  const int year = KnownTitleYear(storage.Title());
  const bool known = year != 0;
  const bool since2005 = year >= 2005;
  const bool since2013 = year >= 2013;

  WithContextCode(371, [&] {
    record_io::OpenRecordStream(storage, streams::kPersonName);
    for (std::string* text : {&SurName, &Name, &Patronymic, &INN}) *text = storage.ReadString();
    if (known) {
      ReservedNameText = storage.ReadString();
      ReservedNameCode = storage.ReadString();
    } else {
      ReservedNameCode.assign(1, '0');
    }

    record_io::OpenRecordStream(storage, streams::kPersonDocument);
    DocTypeCode = storage.ReadWord();
    DocTypeName = storage.ReadString();
    DocSerial = storage.ReadString();
    DocIssueDate = storage.ReadDate();
    BirthDate = storage.ReadDate();
    if (known) {
      DocIssuedBy = storage.ReadString();
      BirthPlace = storage.ReadString();
    }
    if (since2005) ReservedDocByte = storage.ReadByte();

    // Citizenship and the foreigner's phones are one unit: a missing stream ends the unit
    // quietly and the rest of it keeps its initial values.
    [&] {
      if (!storage.HasStream(streams::kForeigner)) return;
      storage.OpenStream(streams::kForeigner);
      CitizenshipSign = storage.ReadString();
      CitizenshipName = storage.ReadString();
      if (known) {
        ForeignAddress = storage.ReadString();
        CountryCode = storage.ReadString();
      }
      if (!since2005 || !storage.HasStream(streams::kPhoneForeignerHome)) return;
      storage.OpenStream(streams::kPhoneForeignerHome);
      ForeignerHomePhone1 = storage.ReadString();
      ForeignerHomePhone2 = storage.ReadString();
      if (!storage.HasStream(streams::kPhoneForeignerWork)) return;
      storage.OpenStream(streams::kPhoneForeignerWork);
      ForeignerWorkPhone1 = storage.ReadString();
      ForeignerWorkPhone2 = storage.ReadString();
    }();

    record_io::OpenRecordStream(storage, streams::kPersonAddress);
    if (since2005) AddressKind = storage.ReadByte();
    PostIndex = storage.ReadString();
    RegionCode = storage.ReadWord();
    for (std::string* text :
         {&RegionName, &District, &City, &Locality, &Street, &House, &Building, &Flat})
      *text = storage.ReadString();
    if (since2013) OKTMO = storage.ReadString();

    if (!since2005) return;
    record_io::OpenRecordStream(storage, streams::kHomePhone);
    HomePhoneReserved = storage.ReadString();
    HomePhone = storage.ReadString();
    record_io::OpenRecordStream(storage, streams::kWorkPhone);
    WorkPhone1 = storage.ReadString();
    WorkPhone2 = storage.ReadString();
  });
}

}  // namespace kvor
