#pragma once

// The rules every sheet of the computation shares: the tax rates, the tax at a rate, the small
// comparisons of amounts, and the income lists as the computation sees them.

#include <cstdint>
#include <span>

#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

// The rates of the personal income tax, in whole percent.
inline constexpr int64_t kRate13 = 13;
inline constexpr int64_t kRate30 = 30;
inline constexpr int64_t kRate35 = 35;
inline constexpr int64_t kRate9 = 9;
inline constexpr int64_t kRate15 = 15;

// Income code of material benefit on loans for new housing: not taxed (its withheld 35 % is
// refunded), and a foreign income of this code is left out.
inline constexpr int32_t kIncomeCodeHousingLoanBenefit = 2620;

// The tax at a rate: the base times the rate, rounded half up to whole roubles (a fraction of
// one half or more goes up; a negative product is cut toward zero). The product is exact, so a
// base of 50 at 13 % gives 7 and 90.00 at 35 % gives 32.
Money TaxAtRate(Money base, int64_t percent);

// `percent` of the amount, cut (not rounded) toward zero to whole kopecks.
Money PercentCutToKopecks(Money amount, int64_t percent);

inline Money Min(Money a, Money b) {
  return a < b ? a : b;
}
inline Money Max(Money a, Money b) {
  return a < b ? b : a;
}
// The amount, or 0 when it is negative.
inline Money NotNegative(Money a) {
  return a < Money() ? Money() : a;
}

// The return types the sheets tell apart: a 3-NDFL return of a resident and of a non-resident.
inline bool IsResident(const mTDeclaration& d) {
  return d.DeclarationType == kDeclaration3NDFL;
}
inline bool IsNonResident(const mTDeclaration& d) {
  return d.DeclarationType == kDeclaration3NDFLNonResident;
}

// The income lists as the computation reads them: a list whose income kind is off counts as
// empty, whatever records it may still hold (a return built from JSON can carry such records;
// the return file never does).
std::span<mTThirteenPercent> Incomes13Of(mTDeclaration& d);
std::span<const mTThirteenPercent> Incomes13Of(const mTDeclaration& d);
std::span<mTThirteenPercent> Incomes13NROf(mTDeclaration& d);
std::span<const mTThirteenPercent> Incomes13NROf(const mTDeclaration& d);
std::span<mTThirtyFivePercent> Incomes35Of(mTDeclaration& d);
std::span<const mTThirtyFivePercent> Incomes35Of(const mTDeclaration& d);
std::span<mTThirtyPercent> DividendsOf(mTDeclaration& d);
std::span<const mTThirtyPercent> DividendsOf(const mTDeclaration& d);
std::span<const mTCurrencyIncome> CurrencyIncomesOf(const mTDeclaration& d);
std::span<const mTBusinessNew> BusinessIncomesOf(const mTDeclaration& d);
std::span<mTInvestTov> InvestTovsOf(mTDeclaration& d);
std::span<const mTInvestTov> InvestTovsOf(const mTDeclaration& d);

}  // namespace kvor
