#include "core/computation/income_by_rate.h"

#include <string_view>

#include "core/computation/tax_rules.h"

namespace kvor {

namespace {

// Income-type codes of a payer.
constexpr const char* kTypeLabour = "06";        // labour and contract income
constexpr const char* kTypeLabourTaxDue = "07";  // the same, with tax left to pay
constexpr const char* kTypeMixed = "08";         // income of different kinds
constexpr const char* kTypePartnership = "03";   // operations with securities, partnerships

// The code an income code leads to; empty for an income code of no particular kind.
std::string_view TargetType(int32_t incomeCode) {
  switch (incomeCode) {
    case 2000:
    case 2010:
      return kTypeLabour;
    case 1400:
    case 2400:
      return "04";  // property let, use of vehicles
    case 1510:
    case 1511:
      return "01";  // sale of dwellings
    case 1520:
      return "02";  // sale of other property
    case 1541:
    case 9537:
    case 9538:
      return kTypePartnership;
    case 2220:
    case 2720:
    case 2790:
      return "05";  // gifts, aid
    default:
      if (incomeCode >= 1530 && incomeCode <= 1539) return kTypePartnership;
      return {};
  }
}

Money SumOfIncomes(const mTThirteenPercent& source) {
  Money sum;
  for (const mTSourseIncome& income : source.Incomes) sum += income.IncomeSum;
  return sum;
}

Money SumOfIncomes(const mTInvestTov& source) {
  Money sum;
  for (const mTInvestTovIncome& income : source.InvestIncomes) sum += income.IncomeSum;
  return sum;
}

template <class Sheet, class Source>
void AddSource(Sheet& sheet, const Source& source, Money income) {
  sheet.Income += income;
  sheet.TaxableIncome += source.OblSum;
  sheet.TaxComputed += source.TaxIsch;
  sheet.TaxWithheld += source.HoldSum;
}

// 13 %-type payers with their income-type codes, then the partnerships (code "03").
template <class Sheet>
void AddPayersAndPartnerships(Sheet& sheet, std::span<mTThirteenPercent> payers,
                              std::span<mTInvestTov> partnerships) {
  for (mTThirteenPercent& source : payers) {
    source.IncomeTypeCode = IncomeTypeCodeOf(source);
    AddSource(sheet, source, SumOfIncomes(source));
  }
  for (mTInvestTov& source : partnerships) {
    source.IncomeTypeCode = kTypePartnership;
    AddSource(sheet, source, SumOfIncomes(source));
  }
}

}  // namespace

std::string IncomeTypeCodeOf(const mTThirteenPercent& source) {
  std::string code;
  for (const mTSourseIncome& income : source.Incomes) {
    std::string_view target = TargetType(income.IncomeCode);
    if (target == kTypeLabour) {
      code = kTypeLabour;
    } else if (!target.empty() && (code.empty() || code == target)) {
      code = target;
    } else if (code != kTypeLabour) {
      code = kTypeMixed;
    }
  }
  if (code == kTypeLabour && source.TaxIsch > source.HoldSum) code = kTypeLabourTaxDue;
  return code;
}

kTSvodSumPrilA6 ComputePrilA6(mTDeclaration& d) {
  kTSvodSumPrilA6 sheet;
  if (!IsResident(d)) return sheet;
  for (mTThirtyPercent& source : DividendsOf(d)) {
    source.IncomeTypeCode = kTypeMixed;
    AddSource(sheet, source, source.ItogIncomeSum);
  }
  return sheet;
}

kTSvodSumPrilA13 ComputePrilA13(mTDeclaration& d) {
  kTSvodSumPrilA13 sheet;
  if (IsResident(d)) {
    AddPayersAndPartnerships(sheet, Incomes13Of(d), InvestTovsOf(d));
  } else if (IsNonResident(d)) {
    for (mTThirteenPercent& source : Incomes13NROf(d)) {
      source.IncomeTypeCode = source.TaxIsch > source.HoldSum ? kTypeLabourTaxDue : kTypeLabour;
      AddSource(sheet, source, SumOfIncomes(source));
    }
  } else {
    return sheet;
  }
  sheet.FixedAdvances = d.ForeignerFixedPayments;
  return sheet;
}

kTSvodSumPrilA15 ComputePrilA15(mTDeclaration& d) {
  kTSvodSumPrilA15 sheet;
  if (!IsNonResident(d)) return sheet;
  for (mTThirtyPercent& source : DividendsOf(d)) {
    source.IncomeTypeCode = kTypeMixed;
    sheet.Income += source.ItogIncomeSum;
    sheet.TaxableIncome += source.OblSum;
    sheet.TaxWithheld += source.HoldSum;
  }
  return sheet;
}

kTSvodSumPrilA30 ComputePrilA30(mTDeclaration& d) {
  kTSvodSumPrilA30 sheet;
  if (IsNonResident(d)) AddPayersAndPartnerships(sheet, Incomes13Of(d), InvestTovsOf(d));
  return sheet;
}

kTSvodSumPrilA35 ComputePrilA35(mTDeclaration& d) {
  kTSvodSumPrilA35 sheet;
  if (!IsResident(d)) return sheet;
  for (mTThirtyFivePercent& source : Incomes35Of(d)) {
    if (source.IncomeCode == kIncomeCodeHousingLoanBenefit) {
      sheet.TaxWithheldExempt += source.HoldSum;
      continue;
    }
    source.IncomeTypeCode = kTypeMixed;
    source.OblSum = source.ItogIncomeSum;
    source.TaxIsch = TaxAtRate(source.OblSum, kRate35);
    sheet.Income += source.ItogIncomeSum;
    sheet.TaxWithheld += source.HoldSum;
  }
  return sheet;
}

}  // namespace kvor
