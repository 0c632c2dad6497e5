#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/date.h"

namespace kvor {

class mTDocumentStorage;

// The taxpayer of the return: name, INN, identity document, citizenship, address and phones.
// The only part of a return taken over from files of earlier years.
struct mTPersonInformation {
  mTPersonInformation();

  std::string SurName;
  std::string Name;
  std::string Patronymic;
  std::string INN;  // 12 digits or empty
  std::string ReservedNameText;
  std::string ReservedNameCode = "0";

  uint16_t DocTypeCode = 0;  // identity document type; 0 none chosen
  std::string DocTypeName;
  std::string DocSerial;  // series and number
  Date DocIssueDate;      // 01.01.1990 when created
  Date BirthDate;         // 01.01.1977 when created
  std::string DocIssuedBy;
  std::string BirthPlace;
  uint8_t ReservedDocByte = 0;

  std::string CitizenshipSign;  // "1" citizen, "2" stateless; empty counts as "1"
  std::string CitizenshipName = "РОССИЯ";
  std::string ForeignAddress;
  std::string CountryCode = "643";  // ОКСМ code of the country of citizenship
  std::string ForeignerHomePhone1;
  std::string ForeignerHomePhone2;
  std::string ForeignerWorkPhone1;
  std::string ForeignerWorkPhone2;

  uint8_t AddressKind = 0;  // 0 address of residence, 1 address of stay
  std::string PostIndex;
  uint16_t RegionCode = 0;  // 0 none chosen
  std::string RegionName;
  std::string District;
  std::string City;
  std::string Locality;
  std::string Street;
  std::string House;
  std::string Building;
  std::string Flat;
  std::string OKTMO;  // of the place of residence, 8 or 11 digits or empty

  std::string HomePhoneReserved;
  std::string HomePhone;
  std::string WorkPhone1;
  std::string WorkPhone2;

  void Save(mTDocumentStorage& storage) const;
  // Reads what the file's title holds: files of earlier years lack some values.
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("SurName", self.SurName);
    v("Name", self.Name);
    v("Patronymic", self.Patronymic);
    v("INN", self.INN);
    v("ReservedNameText", self.ReservedNameText);
    v("ReservedNameCode", self.ReservedNameCode);
    v("DocTypeCode", self.DocTypeCode);
    v("DocTypeName", self.DocTypeName);
    v("DocSerial", self.DocSerial);
    v("DocIssueDate", self.DocIssueDate);
    v("BirthDate", self.BirthDate);
    v("DocIssuedBy", self.DocIssuedBy);
    v("BirthPlace", self.BirthPlace);
    v("ReservedDocByte", self.ReservedDocByte);
    v("CitizenshipSign", self.CitizenshipSign);
    v("CitizenshipName", self.CitizenshipName);
    v("ForeignAddress", self.ForeignAddress);
    v("CountryCode", self.CountryCode);
    v("ForeignerHomePhone1", self.ForeignerHomePhone1);
    v("ForeignerHomePhone2", self.ForeignerHomePhone2);
    v("ForeignerWorkPhone1", self.ForeignerWorkPhone1);
    v("ForeignerWorkPhone2", self.ForeignerWorkPhone2);
    v("AddressKind", self.AddressKind);
    v("PostIndex", self.PostIndex);
    v("RegionCode", self.RegionCode);
    v("RegionName", self.RegionName);
    v("District", self.District);
    v("City", self.City);
    v("Locality", self.Locality);
    v("Street", self.Street);
    v("House", self.House);
    v("Building", self.Building);
    v("Flat", self.Flat);
    v("OKTMO", self.OKTMO);
    v("HomePhoneReserved", self.HomePhoneReserved);
    v("HomePhone", self.HomePhone);
    v("WorkPhone1", self.WorkPhone1);
    v("WorkPhone2", self.WorkPhone2);
  }
  friend bool operator==(const mTPersonInformation&, const mTPersonInformation&) = default;
};

// The year of a known file title (four letters and a year from 2004 to 2014, "Zedo2014"); 0 for
// any other title.
int KnownTitleYear(std::string_view title);

}  // namespace kvor
