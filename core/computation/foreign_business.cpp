#include "core/computation/foreign_business.h"

#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

#include "core/common/money_text.h"

namespace kvor {

namespace {

// Partly exempt income: income code, deduction code, the pair it feeds, and the yearly cap of
// the exempt part (none: the claimed amount is exempt).
struct ExemptKind {
  int32_t incomeCode;
  int32_t deductionCode;
  kTExemptPair kTSvodSumPrilM::*pair;
  std::optional<Money> cap;
};

const ExemptKind kExemptKinds[] = {
    {2762, 508, &kTSvodSumPrilM::МатПомРожд, std::nullopt},          // aid at a child's birth
    {2760, 503, &kTSvodSumPrilM::МатПомРаб, Money::Roubles(4000)},   // aid from an employer
    {1211, 607, &kTSvodSumPrilM::ДопСВПенс, Money::Roubles(12000)},  // pension contributions
    {2761, 506, &kTSvodSumPrilM::МатПомИнв, Money::Roubles(4000)},   // aid to the disabled
    {2720, 501, &kTSvodSumPrilM::ПодарНП, Money::Roubles(4000)},     // gifts
    {2730, 502, &kTSvodSumPrilM::ПризНП, Money::Roubles(4000)},      // prizes in contests
    {2770, 504, &kTSvodSumPrilM::ВозмМед, Money::Roubles(4000)},     // medicines paid for
    {2790, 507, &kTSvodSumPrilM::ПомПодар, Money::Roubles(10000)},   // aid to veterans
    {2791, 509, &kTSvodSumPrilM::НатОплСХ, std::nullopt},            // farm produce given as pay
};

void AddExempt(kTSvodSumPrilM& sheet, int32_t incomeCode, int32_t deductionCode, Money income,
               Money deduction) {
  for (const ExemptKind& kind : kExemptKinds) {
    if (incomeCode != kind.incomeCode) continue;
    kTExemptPair& pair = sheet.*kind.pair;
    pair.ДоходВсИст += income;
    if (deductionCode == kind.deductionCode)
      pair.ДоходНеНал += kind.cap ? Min(income, *kind.cap) : deduction;
    return;
  }
}

// Prizes in advertising: taxed at 35 % for a resident, exempt up to this a year.
constexpr int32_t kIncomeCodeAdvertisingPrize = 2740;
constexpr Money kAdvertisingExemptCap = Money::Roubles(4000);

// The rate for one unit of currency, rounded half up to four decimals, as a short text; empty
// when the rate has no units.
std::string RateForOneUnit(Money exchange, int32_t units) {
  if (units == 0) return {};
  __int128 rate = exchange.Raw();
  __int128 divisor = units;
  if (divisor < 0) rate = -rate, divisor = -divisor;
  // Half up as the program rounds: a negative quotient is cut toward zero.
  __int128 quotient = rate >= 0 ? (rate * 2 + divisor) / (divisor * 2) : rate / divisor;
  if (quotient > std::numeric_limits<int64_t>::max())
    throw std::overflow_error("Переполнение денежной суммы");
  return Money::FromRaw(static_cast<int64_t>(quotient)).ToShortText('.');
}

}  // namespace

kTSvodSumPrilV1 ComputePrilV1(const mTDeclaration& d) {
  kTSvodSumPrilV1 sheet;
  if (!d.HasIncome(kIncomeBusiness)) return sheet;
  for (const mTBusinessNew& activity : BusinessIncomesOf(d)) {
    sheet.BusinessIncome += activity.IncomeSum;
    sheet.BusinessProfDeduction +=
        activity.IsConfirmedExpensies ? activity.TotalExpense : activity.NormExpense;
  }
  sheet.AdvancesPaid = d.ActualPrepayment;
  sheet.AdvancesAccrued = d.NachPrepayment;
  sheet.BusinessProfDeduction = Min(sheet.BusinessProfDeduction, sheet.BusinessIncome);
  return sheet;
}

kTSvodSumPrilM ComputePrilM(mTDeclaration& d) {
  kTSvodSumPrilM sheet;
  std::span<const mTThirteenPercent> payers = Incomes13Of(std::as_const(d));
  for (const mTThirteenPercent& source : payers)
    for (const mTSourseIncome& income : source.Incomes)
      AddExempt(sheet, income.IncomeCode, income.SubtractCode, income.IncomeSum,
                income.SubtractSum);
  for (const mTCurrencyIncome& income : CurrencyIncomesOf(d))
    AddExempt(sheet, income.IncomeCode, income.SubtractCode, income.IncomeRublSum,
              income.SubtractSum);
  for (const ExemptKind& kind : kExemptKinds) {
    kTExemptPair& pair = sheet.*kind.pair;
    if (kind.cap) pair.ДоходНеНал = Min(pair.ДоходНеНал, *kind.cap);
    sheet.ExemptTotal += pair.ДоходНеНал;
  }

  if (IsResident(d)) {
    Money capLeft = kAdvertisingExemptCap;
    for (mTThirtyFivePercent& source : Incomes35Of(d)) {
      if (source.IncomeCode != kIncomeCodeAdvertisingPrize || source.SubtractCode == 0) continue;
      Money income = source.ItogIncomeSum;
      Money exempt = Min(Min(source.SubtractSum, income), capLeft);
      sheet.AdvertisingIncome += income;
      source.OblSum = income - exempt;
      source.TaxIsch = TaxAtRate(source.OblSum, kRate35);
      sheet.AdvertisingExempt += exempt;
      capLeft -= exempt;
    }
  } else if (IsNonResident(d)) {
    for (const mTThirteenPercent& source : payers)
      for (const mTSourseIncome& income : source.Incomes)
        if (income.IncomeCode == kIncomeCodeAdvertisingPrize && income.SubtractCode != 0) {
          sheet.AdvertisingIncome += income.IncomeSum;
          sheet.AdvertisingExempt += income.SubtractSum;
        }
  }
  sheet.AdvertisingExempt = Min(sheet.AdvertisingExempt, kAdvertisingExemptCap);
  return sheet;
}

kTSvodSumPrilB ComputePrilB(const mTDeclaration& d, int64_t percent) {
  kTSvodSumPrilB sheet;
  for (const mTCurrencyIncome& income : CurrencyIncomesOf(d)) {
    if (income.IncomeRate != percent || income.IncomeCode == kIncomeCodeHousingLoanBenefit)
      continue;
    DohodCur line;
    line.CountryCode = income.CountryCode;
    line.SourseIncomeName = income.SourseIncomeName;
    line.CurrencyCode = income.CurrencyCode;
    line.IncomeDate = income.IncomeDate;
    line.IncomeRublSum = income.IncomeRublSum;
    line.IncomeCode = income.IncomeCode;
    line.SubtractSum = income.SubtractSum;
    line.TaxDate = income.TaxDate;
    line.TaxRoubleSum = income.TaxRoubleSum;
    line.IncomeRateText = RateForOneUnit(income.CurrencyExchange, income.CurrencyUnits);
    line.TaxRateText = RateForOneUnit(income.CurrencyExchange2, income.CurrencyUnits2);
    line.IncomeCurrencyText = WithKopecksText(income.IncomeCurrencySum);
    line.TaxCurrencyText = WithKopecksText(income.TaxCurrencySum);
    line.TaxComputedRF = TaxAtRate(NotNegative(income.IncomeRublSum - income.SubtractSum), percent);
    line.TaxCredited = Min(line.TaxComputedRF, income.TaxRoubleSum).RoundHalfUpToRoubles();
    sheet.IncomeRub += line.IncomeRublSum;
    sheet.ForeignTaxRub += line.TaxRoubleSum;
    sheet.TaxComputedRF += line.TaxComputedRF;
    sheet.TaxCredited += line.TaxCredited;
    sheet.Lines.push_back(std::move(line));
  }
  return sheet;
}

}  // namespace kvor
