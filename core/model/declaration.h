#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/date.h"
#include "core/common/money.h"
#include "core/model/business_new.h"
#include "core/model/cb_deduct.h"
#include "core/model/construction_deduct.h"
#include "core/model/currency_income.h"
#include "core/model/invest_tov.h"
#include "core/model/nalog.h"
#include "core/model/person_information.h"
#include "core/model/social_deduct.h"
#include "core/model/standart_deduct.h"
#include "core/model/thirteen_percent.h"
#include "core/model/thirty_five_percent.h"
#include "core/model/thirty_percent.h"

namespace kvor {

class mTDocumentStorage;

// Bits of mTDeclaration::IncomeFlags: the kinds of income the return holds.
enum IncomeFlag : uint8_t {
  kIncomeInCountry = 1,   // 13 %, non-resident 13 %, 35 % and dividend lists
  kIncomeForeign = 2,     // foreign-currency incomes
  kIncomeBusiness = 4,    // business and private practice
  kIncomeReserved = 8,    // no screen sets it, no records belong to it
  kIncomeInvestTov = 16,  // investment partnerships
};

// Values of mTDeclaration::DeclarationType.
enum DeclarationKind : uint8_t {
  kDeclaration3NDFL = 0,
  kDeclaration3NDFLNonResident = 1,
  kDeclaration4NDFL = 2,
};

// The root of one return: its conditions, a few sums of the return as a whole, and every
// record. Lists whose income kind is off are empty.
struct mTDeclaration {
  mTDeclaration();

  // Prepares a just created return as the "Создать" command does: no inspection, signed today,
  // signed in person, income in the country, supporting sheets counted automatically.
  void PrepareNew();

  std::string InspectionNumber;
  std::string TaxAuthorityName;
  uint8_t ReservedByte = 0;
  int32_t CorrectionNumber = 0;
  Date SignDate;
  uint8_t ConfirmKind = 0;
  uint8_t TaxpayerKind = 5;
  uint8_t DeclarationType = kDeclaration3NDFL;
  uint8_t IncomeFlags = 0;
  uint8_t AutoCalculateApp = 0;
  int32_t AppendixCount = 0;
  int32_t ForeignDocCount = 0;
  int32_t ReservedInt1 = 0;
  int32_t FarmMonths = 0;
  int32_t ReservedInt2 = 0;
  int32_t ReservedInt3 = 0;
  int32_t ReservedInt4 = 0;
  int32_t ReservedInt5 = 0;
  int32_t ReservedInt6 = 0;
  int32_t ReservedInt7 = 0;
  Money ActualPrepayment;
  Money NachPrepayment;
  Money SupposeIncome;
  Money ReservedSum;
  std::string RepresentativeDocument;
  Date BeginningFH;
  Money FHSum;
  uint8_t IsFH = 0;
  std::string RepresentativeName;
  std::string RepresentativeOrganization;
  Money ForeignerFixedPayments;
  Money CorIncome;
  Money CorExpense;

  std::vector<mTThirteenPercent> Incomes13;
  std::vector<mTThirteenPercent> Incomes13NR;
  std::vector<mTThirtyFivePercent> Incomes35;
  std::vector<mTThirtyPercent> Dividends;
  std::vector<mTCurrencyIncome> CurrencyIncomes;
  std::vector<mTBusinessNew> BusinessIncomes;
  std::vector<mTInvestTov> InvestTovs;
  std::vector<mTNalog> Nalogs;
  mTPersonInformation PersonInformation;
  mTStandartDeduct StandartDeduct;
  mTSocialDeduct SocialDeduct;
  mTConstructionDeduct ConstructionDeduct;
  mTCBDeduct CBDeduct;

  bool HasIncome(IncomeFlag flag) const { return (IncomeFlags & flag) != 0; }

  // Turns the income kinds on and off. Turning a kind off discards its records at once (and,
  // for income in the country, the foreigner's fixed payments and farm months); turning it on
  // starts its lists empty.
  void SetIncomeFlags(uint8_t flags);
  void SetFarmMonths(int32_t months) { FarmMonths = months; }
  // Takes effect only when the sheet count is not automatic.
  void SetAppendixCount(int32_t count);
  // With the automatic sheet count, the difference moves the sheet count along.
  void SetForeignDocCount(int32_t count);

  // Writes the whole return; the previous file of that name is kept intact on failure.
  void SaveToFile(const std::string& fileName) const;
  // Loads a file into a just created return. A file of an earlier year gives only its taxpayer.
  void LoadFromFile(const std::string& fileName);

  // The bytes of the return file, and loading from such bytes (tests and fuzzing).
  std::string SaveToBytes() const;
  void LoadFromBytes(std::string bytes);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("InspectionNumber", self.InspectionNumber);
    v("TaxAuthorityName", self.TaxAuthorityName);
    v("ReservedByte", self.ReservedByte);
    v("CorrectionNumber", self.CorrectionNumber);
    v("SignDate", self.SignDate);
    v("ConfirmKind", self.ConfirmKind);
    v("TaxpayerKind", self.TaxpayerKind);
    v("DeclarationType", self.DeclarationType);
    v("IncomeFlags", self.IncomeFlags);
    v("AutoCalculateApp", self.AutoCalculateApp);
    v("AppendixCount", self.AppendixCount);
    v("ForeignDocCount", self.ForeignDocCount);
    v("ReservedInt1", self.ReservedInt1);
    v("FarmMonths", self.FarmMonths);
    v("ReservedInt2", self.ReservedInt2);
    v("ReservedInt3", self.ReservedInt3);
    v("ReservedInt4", self.ReservedInt4);
    v("ReservedInt5", self.ReservedInt5);
    v("ReservedInt6", self.ReservedInt6);
    v("ReservedInt7", self.ReservedInt7);
    v("ActualPrepayment", self.ActualPrepayment);
    v("NachPrepayment", self.NachPrepayment);
    v("SupposeIncome", self.SupposeIncome);
    v("ReservedSum", self.ReservedSum);
    v("RepresentativeDocument", self.RepresentativeDocument);
    v("BeginningFH", self.BeginningFH);
    v("FHSum", self.FHSum);
    v("IsFH", self.IsFH);
    v("RepresentativeName", self.RepresentativeName);
    v("RepresentativeOrganization", self.RepresentativeOrganization);
    v("ForeignerFixedPayments", self.ForeignerFixedPayments);
    v("CorIncome", self.CorIncome);
    v("CorExpense", self.CorExpense);
    v("PersonInformation", self.PersonInformation);
    v("Incomes13", self.Incomes13);
    v("Incomes13NR", self.Incomes13NR);
    v("Incomes35", self.Incomes35);
    v("Dividends", self.Dividends);
    v("CurrencyIncomes", self.CurrencyIncomes);
    v("InvestTovs", self.InvestTovs);
    v("BusinessIncomes", self.BusinessIncomes);
    v("StandartDeduct", self.StandartDeduct);
    v("SocialDeduct", self.SocialDeduct);
    v("ConstructionDeduct", self.ConstructionDeduct);
    v("CBDeduct", self.CBDeduct);
    v("Nalogs", self.Nalogs);
  }
  friend bool operator==(const mTDeclaration&, const mTDeclaration&) = default;

 private:
  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);
};

}  // namespace kvor
