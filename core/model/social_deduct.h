#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/date.h"
#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// One pension contract.
struct mTPens {
  // 1 non-state pension provision and voluntary pension insurance; 2 additional insurance
  // contributions to the funded part of the labour pension.
  int32_t PensKind = 0;
  std::string SourseIncomeName;  // organisation or fund
  std::string SourseINN;
  std::string SourseKPP;
  std::string ContractNumber;
  Date ContractDate;
  Money VZSum;    // contributions paid
  Money VichSum;  // contribution to deduct
  Money NASum;    // deduction already given by the tax agent

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("PensKind", self.PensKind);
    v("SourseIncomeName", self.SourseIncomeName);
    v("SourseINN", self.SourseINN);
    v("SourseKPP", self.SourseKPP);
    v("ContractNumber", self.ContractNumber);
    v("ContractDate", self.ContractDate);
    v("VZSum", self.VZSum);
    v("VichSum", self.VichSum);
    v("NASum", self.NASum);
  }
  friend bool operator==(const mTPens&, const mTPens&) = default;
};

// The social deductions: charity, education, treatment, insurance and pension contracts.
struct mTSocialDeduct {
  uint8_t Claimed = 0;
  Money CharitySum;
  Money SelfEducationSum;
  std::vector<Money> ChildEduSums;  // education of children, one sum per entry
  Money MedicalSum;
  Money ExpensiveMedicalSum;
  Money Strahovka;   // voluntary insurance
  Money Strahovka2;  // additional insurance contributions
  std::vector<mTPens> PensContracts;

  // The child-education sums. An entry that does not exist raises mEMemoryAllocate.
  Money ChildEduSum(int index) const;
  int AppendChildEduSum(Money sum);
  void SetChildEduSum(int index, Money sum);
  void DeleteChildEduSum(int index);
  int ChildEduCount() const { return static_cast<int>(ChildEduSums.size()); }

  // Appends a contract with zero values; returns its index.
  int AddPens();
  mTPens& Pens(int index) { return PensContracts.at(index); }
  const mTPens& Pens(int index) const { return PensContracts.at(index); }
  int PensCount() const { return static_cast<int>(PensContracts.size()); }
  void DeletePens(int index);

  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Claimed", self.Claimed);
    v("CharitySum", self.CharitySum);
    v("SelfEducationSum", self.SelfEducationSum);
    v("ChildEduSums", self.ChildEduSums);
    v("MedicalSum", self.MedicalSum);
    v("ExpensiveMedicalSum", self.ExpensiveMedicalSum);
    v("Strahovka", self.Strahovka);
    v("Strahovka2", self.Strahovka2);
    v("PensContracts", self.PensContracts);
  }
  friend bool operator==(const mTSocialDeduct&, const mTSocialDeduct&) = default;
};

}  // namespace kvor
