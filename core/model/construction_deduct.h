#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/date.h"
#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// One dwelling bought or built, for the property deduction.
struct mTConstructionDeductObj {
  mTConstructionDeductObj();

  std::string PostIndex;
  std::string RegionCode;  // two-character region code
  std::string District;
  std::string City;
  std::string Locality;
  std::string Street;
  std::string House;
  std::string Building;
  std::string Flat;
  int32_t ObjectKind = 0;          // 1..8; 0 none
  int32_t OwnershipKind = 0;       // 1..6
  int32_t TaxpayerSign = 0;        // 1..5
  Date RegRightDate;               // ownership registration; 01.01.2003 when created
  Date RegZemDate;                 // land registration; 0 when created
  Date BuyDate;                    // transfer act; 01.01.2003 when created
  Date AppDate;                    // application; 0 when created
  Date BeginningUsePrivilegeDate;  // 1 January of the first year; 01.01.2003 when created
  int32_t DolNumerator = 0;        // share of ownership
  int32_t DolDenominator = 0;
  Money ObjectCost;         // cost of the object or share
  Money CreditInterest;     // mortgage interest of all years
  uint8_t IsInvest = 0;     // acquired by investment
  uint8_t IsPensioner = 0;  // the taxpayer is a pensioner
  // Written by the computation; never stored.
  uint8_t ShareMark = 0;  // the object fixes the limit through its share, acquired before 2014
  Money CountedCost;      // the part of the cost counted toward the limit

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ObjectKind", self.ObjectKind);
    v("OwnershipKind", self.OwnershipKind);
    v("TaxpayerSign", self.TaxpayerSign);
    v("PostIndex", self.PostIndex);
    v("RegionCode", self.RegionCode);
    v("District", self.District);
    v("City", self.City);
    v("Locality", self.Locality);
    v("Street", self.Street);
    v("House", self.House);
    v("Building", self.Building);
    v("Flat", self.Flat);
    v("RegRightDate", self.RegRightDate);
    v("BuyDate", self.BuyDate);
    v("BeginningUsePrivilegeDate", self.BeginningUsePrivilegeDate);
    v("AppDate", self.AppDate);
    v("RegZemDate", self.RegZemDate);
    v("DolNumerator", self.DolNumerator);
    v("DolDenominator", self.DolDenominator);
    v("IsInvest", self.IsInvest);
    v("IsPensioner", self.IsPensioner);
    v("ObjectCost", self.ObjectCost);
    v("CreditInterest", self.CreditInterest);
  }
  friend bool operator==(const mTConstructionDeductObj&, const mTConstructionDeductObj&) = default;
};

// The property deduction for buying or building housing.
struct mTConstructionDeduct {
  uint8_t Claimed = 0;
  Money TransferringChargeSum;  // purchase costs carried over from the previous year
  Money TransferringCreditSum;  // interest carried over from the previous year
  Money PostYears;              // purchase deduction of previous years
  Money PostYearsIp;            // interest deduction of previous years
  Money VychNA;                 // purchase deduction given by the tax agent in the year
  Money VychIpNA;               // interest deduction given by the tax agent in the year
  std::vector<mTConstructionDeductObj> Objects;

  int AddObject(const mTConstructionDeductObj& object);
  mTConstructionDeductObj& Object(int index) { return Objects.at(index); }
  const mTConstructionDeductObj& Object(int index) const { return Objects.at(index); }
  int ObjectCount() const { return static_cast<int>(Objects.size()); }
  void DeleteObject(int index);

  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Claimed", self.Claimed);
    v("TransferringChargeSum", self.TransferringChargeSum);
    v("TransferringCreditSum", self.TransferringCreditSum);
    v("PostYears", self.PostYears);
    v("PostYearsIp", self.PostYearsIp);
    v("VychNA", self.VychNA);
    v("VychIpNA", self.VychIpNA);
    v("Objects", self.Objects);
  }
  friend bool operator==(const mTConstructionDeduct&, const mTConstructionDeduct&) = default;
};

}  // namespace kvor
