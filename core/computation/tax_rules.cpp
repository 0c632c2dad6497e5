#include "core/computation/tax_rules.h"

namespace kvor {

Money TaxAtRate(Money base, int64_t percent) {
  return base.MulRatioRoundToRoubles(percent, 100);
}

Money PercentCutToKopecks(Money amount, int64_t percent) {
  __int128 product = static_cast<__int128>(amount.Raw()) * percent / 100;  // cut toward zero
  // |percent| <= 100 keeps the product inside the range of the amount.
  return Money::FromRaw(static_cast<int64_t>(product)).TruncToKopecks();
}

namespace {

template <class Record>
std::span<Record> IfOn(const mTDeclaration& d, IncomeFlag flag, std::vector<Record>& list) {
  if (!d.HasIncome(flag)) return {};
  return list;
}

template <class Record>
std::span<const Record> IfOn(const mTDeclaration& d, IncomeFlag flag,
                             const std::vector<Record>& list) {
  if (!d.HasIncome(flag)) return {};
  return list;
}

}  // namespace

std::span<mTThirteenPercent> Incomes13Of(mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Incomes13);
}
std::span<const mTThirteenPercent> Incomes13Of(const mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Incomes13);
}
std::span<mTThirteenPercent> Incomes13NROf(mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Incomes13NR);
}
std::span<const mTThirteenPercent> Incomes13NROf(const mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Incomes13NR);
}
std::span<mTThirtyFivePercent> Incomes35Of(mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Incomes35);
}
std::span<const mTThirtyFivePercent> Incomes35Of(const mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Incomes35);
}
std::span<mTThirtyPercent> DividendsOf(mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Dividends);
}
std::span<const mTThirtyPercent> DividendsOf(const mTDeclaration& d) {
  return IfOn(d, kIncomeInCountry, d.Dividends);
}
std::span<const mTCurrencyIncome> CurrencyIncomesOf(const mTDeclaration& d) {
  return IfOn(d, kIncomeForeign, d.CurrencyIncomes);
}
std::span<const mTBusinessNew> BusinessIncomesOf(const mTDeclaration& d) {
  return IfOn(d, kIncomeBusiness, d.BusinessIncomes);
}
std::span<mTInvestTov> InvestTovsOf(mTDeclaration& d) {
  return IfOn(d, kIncomeInvestTov, d.InvestTovs);
}
std::span<const mTInvestTov> InvestTovsOf(const mTDeclaration& d) {
  return IfOn(d, kIncomeInvestTov, d.InvestTovs);
}

}  // namespace kvor
