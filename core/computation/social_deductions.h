#pragma once

// Professional deductions (contract, royalty and similar income), pension contributions and
// social deductions.

#include <string>
#include <vector>

#include "core/common/date.h"
#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

struct kTSvodSum;

// Professional deductions on income from sources in the country (kTSvodSumPrilG) or abroad
// (kTSvodSumPrilG_In). Each deduction is at most its income.
struct kTSvodSumPrilG {
  Money ContractIncome;  // income 2010 with deduction 403
  Money ContractDeduction;
  Money RoyaltyActualIncome;  // income 2201..2209 with deduction 404 (actual expenses)
  Money RoyaltyActualDeduction;
  Money RoyaltyNormIncome;  // income 2201..2209 with deduction 405 (norm)
  Money RoyaltyNormDeduction;
  Money CapitalShareIncome;  // income 1540 with deduction 315
  Money CapitalShareDeduction;
  Money ConstructionRightIncome;  // income 1550 with deduction 314
  Money ConstructionRightDeduction;
  Money ProfTotal;  // the sum of the five deductions

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ContractIncome", self.ContractIncome);
    v("ContractDeduction", self.ContractDeduction);
    v("RoyaltyActualIncome", self.RoyaltyActualIncome);
    v("RoyaltyActualDeduction", self.RoyaltyActualDeduction);
    v("RoyaltyNormIncome", self.RoyaltyNormIncome);
    v("RoyaltyNormDeduction", self.RoyaltyNormDeduction);
    v("CapitalShareIncome", self.CapitalShareIncome);
    v("CapitalShareDeduction", self.CapitalShareDeduction);
    v("ConstructionRightIncome", self.ConstructionRightIncome);
    v("ConstructionRightDeduction", self.ConstructionRightDeduction);
    v("ProfTotal", self.ProfTotal);
  }
  friend bool operator==(const kTSvodSumPrilG&, const kTSvodSumPrilG&) = default;
};

struct kTSvodSumPrilG_In : kTSvodSumPrilG {};

// One pension contract as the pension-contribution sheet counts it.
struct mbTPens {
  int32_t PensKind = 0;  // 1 non-state pension provision, 2 funded pension
  std::string SourseIncomeName;
  std::string SourseINN;
  std::string SourseKPP;
  std::string ContractNumber;
  Date ContractDate;
  Money VZSum;          // contributions paid
  Money DeductibleSum;  // contributions deductible in this return
  Money NASum;          // already deducted by tax agents, at most the contributions paid

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("PensKind", self.PensKind);
    v("SourseIncomeName", self.SourseIncomeName);
    v("SourseINN", self.SourseINN);
    v("SourseKPP", self.SourseKPP);
    v("ContractNumber", self.ContractNumber);
    v("ContractDate", self.ContractDate);
    v("VZSum", self.VZSum);
    v("DeductibleSum", self.DeductibleSum);
    v("NASum", self.NASum);
  }
  friend bool operator==(const mbTPens&, const mbTPens&) = default;
};

// Deduction for contributions to non-state pension funds and to the funded pension.
struct kTSvodSumPrilE3 {
  std::vector<mbTPens> NpfContracts;     // kind 1, in the order of the record
  std::vector<mbTPens> FundedContracts;  // kind 2
  Money PaidNpf;
  Money DeductibleNpf;
  Money ByAgentsNpf;
  Money PaidFunded;
  Money DeductibleFunded;
  Money ByAgentsFunded;
  Money ContributionsDeductible;  // DeductibleNpf + DeductibleFunded
  Money ContributionsByAgents;    // ByAgentsNpf + ByAgentsFunded
  Money PensionDeduction;         // ContributionsDeductible - ContributionsByAgents

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("NpfContracts", self.NpfContracts);
    v("FundedContracts", self.FundedContracts);
    v("PaidNpf", self.PaidNpf);
    v("DeductibleNpf", self.DeductibleNpf);
    v("ByAgentsNpf", self.ByAgentsNpf);
    v("PaidFunded", self.PaidFunded);
    v("DeductibleFunded", self.DeductibleFunded);
    v("ByAgentsFunded", self.ByAgentsFunded);
    v("ContributionsDeductible", self.ContributionsDeductible);
    v("ContributionsByAgents", self.ContributionsByAgents);
    v("PensionDeduction", self.PensionDeduction);
  }
  friend bool operator==(const kTSvodSumPrilE3&, const kTSvodSumPrilE3&) = default;
};

// Social deductions of a resident.
struct kTSvodSumPrilE2 {
  Money OutsideLimitTotal;  // Charity + ChildrenEducation + ExpensiveTreatment
  Money WithinLimitTotal;   // the four within the common limit, at most 120 000
  Money LifeInsurance;
  Money PensionInsurance;
  Money Charity;  // at most 25 % of the income, cut to kopecks
  Money OwnEducation;
  Money ChildrenEducation;  // each child's sum counted up to 50 000
  Money Treatment;
  Money ExpensiveTreatment;
  Money SocialTotal;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("OutsideLimitTotal", self.OutsideLimitTotal);
    v("WithinLimitTotal", self.WithinLimitTotal);
    v("LifeInsurance", self.LifeInsurance);
    v("PensionInsurance", self.PensionInsurance);
    v("Charity", self.Charity);
    v("OwnEducation", self.OwnEducation);
    v("ChildrenEducation", self.ChildrenEducation);
    v("Treatment", self.Treatment);
    v("ExpensiveTreatment", self.ExpensiveTreatment);
    v("SocialTotal", self.SocialTotal);
  }
  friend bool operator==(const kTSvodSumPrilE2&, const kTSvodSumPrilE2&) = default;
};

kTSvodSumPrilG ComputePrilG(const mTDeclaration& d);
kTSvodSumPrilG_In ComputePrilG_In(const mTDeclaration& d);
kTSvodSumPrilE3 ComputePrilE3(const mTDeclaration& d);
// Reads the 13 % income (kTSvodSumPrilA13), foreign income at 13 % (kTSvodSumPrilB),
// business income (kTSvodSumPrilV1), exempt income (kTSvodSumPrilM) and the pension deduction
// (kTSvodSumPrilE3) of `sum`. Never changes the record: children's education sums over the cap
// are counted at the cap.
kTSvodSumPrilE2 ComputePrilE2(const mTDeclaration& d, const kTSvodSum& sum);

}  // namespace kvor
