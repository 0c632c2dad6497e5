#include "core/computation/property_deductions.h"

#include "core/computation/svod_sum.h"
#include "core/computation/tax_rules.h"

namespace kvor {

namespace {

// Sale of property.
constexpr Money kDwellingSaleCap = Money::Roubles(1000000);  // dwellings and land held briefly
constexpr Money kOtherSaleCap = Money::Roubles(250000);      // other property held briefly

// One income matched against the sale-of-property table.
void AddSale(kTSvodSumPrilH1& s, int32_t incomeCode, int32_t deductionCode, Money income,
             Money deduction, bool inCountry) {
  switch (int64_t{incomeCode} * 1000 + deductionCode) {
    case 1510903:  // dwelling, documented expenses
      s.DocIncome += income;
      s.DocExpenses += deduction;
      break;
    case 1510901:  // dwelling, fixed deduction equal to the income
      s.WholeIncome += income;
      s.WholeDeduction = s.WholeIncome;
      break;
    case 1511903:  // share of a dwelling, documented expenses
      s.DocIncome += income;
      s.DocExpenses += inCountry ? Min(income, deduction) : deduction;
      break;
    case 1511904:  // share of a dwelling, fixed deduction
      s.ShareIncome += income;
      s.ShareDeduction += inCountry ? deduction : Min(income, deduction);
      break;
    case 1520906:  // other property, fixed deduction
      s.OtherIncome += income;
      s.OtherDeduction += deduction;
      break;
    case 1520903:  // other property, documented expenses
      s.OtherDocIncome += income;
      s.OtherDocExpenses += deduction;
      break;
    case 4900908:  // redemption for public needs
      s.RedemptionIncome += income;
      s.RedemptionDeduction += deduction;
      break;
    default:
      break;
  }
}

// New housing: the limit of the acquisition deduction.
constexpr Money kHousingLimit = Money::Roubles(2000000);
constexpr Money kHousingLimitBefore2008 = Money::Roubles(1000000);
constexpr int kHousingLimitRaisedYear = 2008;
// Objects acquired before this year fix the limit through their share (the share mark).
constexpr int kShareRuleEndYear = 2014;

}  // namespace

kTSvodSumPrilH1 ComputePrilH1(const mTDeclaration& d) {
  kTSvodSumPrilH1 s;
  std::span<const mTThirteenPercent> payers = Incomes13Of(d);
  std::span<const mTCurrencyIncome> foreign = CurrencyIncomesOf(d);
  if (!IsResident(d) || (payers.empty() && !d.HasIncome(kIncomeForeign))) return s;
  for (const mTThirteenPercent& source : payers)
    for (const mTSourseIncome& income : source.Incomes)
      AddSale(s, income.IncomeCode, income.SubtractCode, income.IncomeSum, income.SubtractSum,
              true);
  for (const mTCurrencyIncome& income : foreign)
    AddSale(s, income.IncomeCode, income.SubtractCode, income.IncomeRublSum, income.SubtractSum,
            false);

  // Documented expenses and the redemption deduction reduce only the income of their sale.
  s.DocExpenses = Min(s.DocExpenses, s.DocIncome);
  s.OtherDocExpenses = Min(s.OtherDocExpenses, s.OtherDocIncome);
  s.RedemptionDeduction = Min(s.RedemptionDeduction, s.RedemptionIncome);

  s.WholeDeduction = Min(s.WholeDeduction, kDwellingSaleCap);
  s.ShareDeduction = Min(s.ShareDeduction, kDwellingSaleCap);
  s.WholeShareIncome = s.WholeIncome + s.ShareIncome;
  s.WholeShareDeduction = Min(s.WholeDeduction + s.ShareDeduction, kDwellingSaleCap);
  s.DwellingIncomeTotal = s.DocIncome + s.WholeShareIncome;
  s.DwellingDeductionTotal = s.DocExpenses + s.WholeShareDeduction;
  s.OtherDeduction = Min(s.OtherDeduction, kOtherSaleCap);
  s.OtherIncomeTotal = s.OtherIncome + s.OtherDocIncome;
  s.OtherDeductionTotal = s.OtherDeduction + s.OtherDocExpenses;
  s.PropertySaleTotal = s.DwellingDeductionTotal + s.OtherDeductionTotal + s.RedemptionDeduction;
  return s;
}

kTSvodSumPrilZ ComputePrilZ(mTDeclaration& d, const kTSvodSum& sum) {
  kTSvodSumPrilZ z;
  mTConstructionDeduct& record = d.ConstructionDeduct;
  if (!IsResident(d) || !record.Claimed || record.Objects.empty()) return z;
  std::vector<mTConstructionDeductObj>& objects = record.Objects;

  // 1. Totals.
  for (mTConstructionDeductObj& object : objects) {
    z.CostTotal += object.ObjectCost;
    z.InterestTotal += object.CreditInterest;
    object.ShareMark = 0;
  }

  // 2. The limit and the share: one object fixes them, or two or more with a cost each give the
  // full limit on whole ownership.
  Money limit = kHousingLimit;
  int64_t shareNumerator = 1;
  int64_t shareDenominator = 1;
  mTConstructionDeductObj* fixing = nullptr;
  if (objects.size() == 1) {
    fixing = &objects[0];
  } else if (objects.size() == 2 &&
             !(objects[0].ObjectCost > Money() && objects[1].ObjectCost > Money())) {
    fixing = objects[0].ObjectCost > Money() ? &objects[0] : &objects[1];
  }
  if (fixing) {
    if (fixing->DolDenominator != 0) {  // a share of 0/0 (a new object) counts as whole
      shareNumerator = fixing->DolNumerator;
      shareDenominator = fixing->DolDenominator;
    }
    int keyYear = (fixing->IsInvest ? fixing->BuyDate : fixing->RegRightDate).Year();
    if (keyYear < kHousingLimitRaisedYear) limit = kHousingLimitBefore2008;
    if (keyYear < kShareRuleEndYear) fixing->ShareMark = 1;
  }
  if (shareDenominator < 0) shareNumerator = -shareNumerator, shareDenominator = -shareDenominator;
  z.ShareFraction = static_cast<double>(shareNumerator) / static_cast<double>(shareDenominator);

  // 3. The cost counted, at most limit × share, rounded half up to kopecks. The comparison is
  // exact: cost × denominator against limit × numerator.
  __int128 cost = static_cast<__int128>(z.CostTotal.Raw()) * shareDenominator;
  __int128 cap = static_cast<__int128>(limit.Raw()) * shareNumerator;
  z.CostTotal = cost > cap ? limit.MulRatioRoundToKopecks(shareNumerator, shareDenominator)
                           : z.CostTotal.RoundHalfUpToKopecks();

  // 4. Each object's part of the counted cost.
  Money left = z.CostTotal;
  for (mTConstructionDeductObj& object : objects) {
    object.CountedCost = Min(object.ObjectCost, left);
    left = NotNegative(left - object.ObjectCost);
  }

  // 5. Amounts of earlier years and of the agents.
  z.ВычНовЗачПред = record.PostYears;
  z.ВычПроцЗачПред = record.PostYearsIp;
  z.ОстВычПршПред = record.TransferringChargeSum;
  z.ПроцПршПред = record.TransferringCreditSum;
  z.ВычНАУвед = record.VychNA;
  z.ПроцНАУвед = record.VychIpNA;

  // 6. The 13 % base left after every other deduction.
  Money income = sum.PrilA13.Income + sum.PrilB[kForeign13].IncomeRub + sum.PrilV1.BusinessIncome;
  Money deductions = sum.PrilV1.BusinessProfDeduction + sum.PrilH1.PropertySaleTotal +
                     sum.PrilM.ExemptTotal + sum.PrilG.ProfTotal + sum.PrilG_In.ProfTotal +
                     sum.PrilE2.SocialTotal + sum.PrilE3.ContributionsByAgents +
                     sum.PrilE1.StandardTotal + sum.PrilJ.ИтогСовОпер.ОбщРасхПрмВыч +
                     sum.PrilI.ИтогСовОпер.ОбщРасхПрмВыч + z.ВычНАУвед + z.ПроцНАУвед;
  z.НалБаз13БезВыч = NotNegative(income - deductions);

  // 7, 8. The deductions of this return, within that base, acquisition first.
  z.РасхНовВычНД = NotNegative(z.CostTotal - z.ВычНовЗачПред - z.ВычНАУвед);
  z.ПроцВычНД = NotNegative(z.InterestTotal - z.ВычПроцЗачПред - z.ПроцНАУвед);
  if (z.НалБаз13БезВыч < z.РасхНовВычНД) z.РасхНовВычНД = z.НалБаз13БезВыч;
  if (z.НалБаз13БезВыч < z.РасхНовВычНД + z.ПроцВычНД)
    z.ПроцВычНД = z.НалБаз13БезВыч - z.РасхНовВычНД;

  // 9. What is left for later years.
  z.ОстИВБезПроц = z.CostTotal - z.ВычНовЗачПред - z.ВычНАУвед - z.РасхНовВычНД;
  z.ОстИВУплПроц = NotNegative(z.InterestTotal - z.ВычПроцЗачПред - z.ПроцНАУвед - z.ПроцВычНД);
  return z;
}

}  // namespace kvor
