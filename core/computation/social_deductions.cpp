#include "core/computation/social_deductions.h"

#include "core/computation/svod_sum.h"
#include "core/computation/tax_rules.h"

namespace kvor {

namespace {

// Professional deductions: the pairs of income code range and deduction code, and the fields
// of the sheet they feed.
struct ProfessionalPair {
  int32_t firstIncomeCode;
  int32_t lastIncomeCode;
  int32_t deductionCode;
  Money kTSvodSumPrilG::*income;
  Money kTSvodSumPrilG::*deduction;
};

constexpr ProfessionalPair kContractPair = {2010, 2010, 403, &kTSvodSumPrilG::ContractIncome,
                                            &kTSvodSumPrilG::ContractDeduction};
constexpr ProfessionalPair kProfessionalPairs[] = {
    kContractPair,
    {2201, 2209, 404, &kTSvodSumPrilG::RoyaltyActualIncome,
     &kTSvodSumPrilG::RoyaltyActualDeduction},
    {2201, 2209, 405, &kTSvodSumPrilG::RoyaltyNormIncome, &kTSvodSumPrilG::RoyaltyNormDeduction},
    {1540, 1540, 315, &kTSvodSumPrilG::CapitalShareIncome, &kTSvodSumPrilG::CapitalShareDeduction},
    {1550, 1550, 314, &kTSvodSumPrilG::ConstructionRightIncome,
     &kTSvodSumPrilG::ConstructionRightDeduction},
};

void AddProfessional(kTSvodSumPrilG& sheet, std::span<const ProfessionalPair> pairs,
                     int32_t incomeCode, int32_t deductionCode, Money income, Money deduction) {
  for (const ProfessionalPair& pair : pairs) {
    if (incomeCode < pair.firstIncomeCode || incomeCode > pair.lastIncomeCode ||
        deductionCode != pair.deductionCode)
      continue;
    sheet.*pair.income += income;
    sheet.*pair.deduction += deduction;
    return;
  }
}

void CapAndTotalProfessional(kTSvodSumPrilG& sheet) {
  sheet.ProfTotal = Money();
  for (const ProfessionalPair& pair : kProfessionalPairs) {
    sheet.*pair.deduction = Min(sheet.*pair.deduction, sheet.*pair.income);
    sheet.ProfTotal += sheet.*pair.deduction;
  }
}

// Pension contributions deductible in a year, both kinds together.
constexpr Money kPensionLimit = Money::Roubles(120000);
constexpr int32_t kPensKindNpf = 1;
constexpr int32_t kPensKindFunded = 2;

// Social deductions.
constexpr int64_t kCharityPercentOfIncome = 25;
constexpr Money kChildEducationCap = Money::Roubles(50000);  // per child's sum
constexpr Money kSocialLimit = Money::Roubles(120000);       // the common limit

}  // namespace

kTSvodSumPrilG ComputePrilG(const mTDeclaration& d) {
  kTSvodSumPrilG sheet;
  std::span<const ProfessionalPair> pairs = kProfessionalPairs;
  std::span<const mTThirteenPercent> payers = Incomes13Of(d);
  if (IsNonResident(d)) {
    pairs = std::span<const ProfessionalPair>(&kContractPair, 1);
    payers = Incomes13NROf(d);
  }
  for (const mTThirteenPercent& source : payers)
    for (const mTSourseIncome& income : source.Incomes)
      AddProfessional(sheet, pairs, income.IncomeCode, income.SubtractCode, income.IncomeSum,
                      income.SubtractSum);
  CapAndTotalProfessional(sheet);
  return sheet;
}

kTSvodSumPrilG_In ComputePrilG_In(const mTDeclaration& d) {
  kTSvodSumPrilG_In sheet;
  for (const mTCurrencyIncome& income : CurrencyIncomesOf(d))
    AddProfessional(sheet, kProfessionalPairs, income.IncomeCode, income.SubtractCode,
                    income.IncomeRublSum, income.SubtractSum);
  CapAndTotalProfessional(sheet);
  return sheet;
}

kTSvodSumPrilE3 ComputePrilE3(const mTDeclaration& d) {
  kTSvodSumPrilE3 sheet;
  Money left = kPensionLimit;
  for (const mTPens& contract : d.SocialDeduct.PensContracts) {
    if (contract.PensKind != kPensKindNpf && contract.PensKind != kPensKindFunded) continue;
    bool npf = contract.PensKind == kPensKindNpf;
    mbTPens line;
    line.PensKind = contract.PensKind;
    line.SourseIncomeName = contract.SourseIncomeName;
    line.SourseINN = contract.SourseINN;
    line.SourseKPP = contract.SourseKPP;
    line.ContractNumber = contract.ContractNumber;
    line.ContractDate = contract.ContractDate;
    line.VZSum = contract.VZSum;
    line.NASum = Min(contract.NASum, contract.VZSum);
    line.DeductibleSum = Min(left, contract.VZSum);
    left = NotNegative(left - line.DeductibleSum);
    (npf ? sheet.PaidNpf : sheet.PaidFunded) += line.VZSum;
    (npf ? sheet.DeductibleNpf : sheet.DeductibleFunded) += line.DeductibleSum;
    (npf ? sheet.ByAgentsNpf : sheet.ByAgentsFunded) += line.NASum;
    (npf ? sheet.NpfContracts : sheet.FundedContracts).push_back(std::move(line));
  }
  sheet.DeductibleNpf = Min(sheet.DeductibleNpf, kPensionLimit);
  sheet.DeductibleFunded = Min(sheet.DeductibleFunded, kPensionLimit - sheet.DeductibleNpf);
  sheet.ContributionsDeductible = sheet.DeductibleNpf + sheet.DeductibleFunded;
  sheet.ContributionsByAgents = sheet.ByAgentsNpf + sheet.ByAgentsFunded;
  sheet.PensionDeduction = sheet.ContributionsDeductible - sheet.ContributionsByAgents;
  return sheet;
}

kTSvodSumPrilE2 ComputePrilE2(const mTDeclaration& d, const kTSvodSum& sum) {
  kTSvodSumPrilE2 sheet;
  const mTSocialDeduct& record = d.SocialDeduct;
  if (!IsResident(d) || !record.Claimed) return sheet;
  Money income = sum.PrilA13.Income + sum.PrilB[kForeign13].IncomeRub + sum.PrilV1.BusinessIncome -
                 sum.PrilM.ExemptTotal;
  sheet.Charity = Min(record.CharitySum, PercentCutToKopecks(income, kCharityPercentOfIncome));
  sheet.OwnEducation = record.SelfEducationSum;
  sheet.Treatment = record.MedicalSum;
  sheet.ExpensiveTreatment = record.ExpensiveMedicalSum;
  sheet.LifeInsurance = record.Strahovka;
  for (Money child : record.ChildEduSums) sheet.ChildrenEducation += Min(child, kChildEducationCap);
  sheet.PensionInsurance = sum.PrilE3.PensionDeduction;
  sheet.OutsideLimitTotal = sheet.Charity + sheet.ChildrenEducation + sheet.ExpensiveTreatment;
  sheet.WithinLimitTotal = Min(kSocialLimit, sheet.LifeInsurance + sheet.PensionInsurance +
                                                 sheet.OwnEducation + sheet.Treatment);
  sheet.SocialTotal = sheet.OutsideLimitTotal + sheet.WithinLimitTotal;
  return sheet;
}

}  // namespace kvor
