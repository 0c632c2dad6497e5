#include <benchmark/benchmark.h>

#include <string>

#include "core/computation/svod_sum.h"
#include "core/model/declaration.h"

namespace {

using kvor::Money;

// A resident's return with `payers` payers of twelve monthly incomes each, every payer in its
// own municipality and withholding more than is due (so section 1 spreads a refund over all of
// them), plus foreign incomes at each rate, partnerships, business income and every deduction.
kvor::mTDeclaration LargeReturn(int payers) {
  kvor::mTDeclaration d;
  d.PrepareNew();
  d.SetIncomeFlags(kvor::kIncomeInCountry | kvor::kIncomeForeign | kvor::kIncomeBusiness |
                   kvor::kIncomeInvestTov);
  d.PersonInformation.OKTMO = "45383000";
  static const int32_t kCodes[] = {2000, 2000, 2000, 2010, 1400, 2720, 1530, 1532, 2201};
  for (int p = 0; p < payers; ++p) {
    kvor::mTThirteenPercent& payer = d.Incomes13.emplace_back();
    payer.SourseOKTMO = std::to_string(45000000 + p);
    payer.PrimaryWorkplace = p == 0;
    for (uint16_t month = 1; month <= 12; ++month) {
      kvor::mTSourseIncome income;
      income.IncomeCode = kCodes[(p + month) % std::size(kCodes)];
      income.IncomeSum = Money::Kopecks(3000000 + p * 100 + month);
      income.SubtractCode = income.IncomeCode == 1530 ? 201 : income.IncomeCode == 2720 ? 501 : 0;
      income.SubtractSum = Money::Kopecks(income.SubtractCode ? 100000 : 0);
      income.Month = month;
      payer.AddIncome(income);
    }
    payer.HoldSum = Money::Roubles(60000);
    payer.TaxIsch = Money::Roubles(46800);
  }
  for (int i = 0; i < payers / 10; ++i) {
    kvor::mTCurrencyIncome& income = d.CurrencyIncomes.emplace_back();
    income.IncomeRate = i % 3 == 0 ? 13 : i % 3 == 1 ? 9 : 35;
    income.IncomeCode = 1010;
    income.CurrencyExchange = Money::FromRaw(654321);
    income.CurrencyUnits = 10;
    income.CurrencyExchange2 = Money::FromRaw(654321);
    income.CurrencyUnits2 = 10;
    income.SetIncome(Money::Roubles(1000 + i));
    income.SetTax(Money::Roubles(100));
  }
  for (int i = 0; i < 3; ++i) {
    kvor::mTBusinessNew& activity = d.BusinessIncomes.emplace_back();
    activity.IncomeSum = Money::Roubles(100000);
    activity.TotalExpense = Money::Roubles(40000);
  }
  for (int i = 0; i < 10; ++i) {
    kvor::mTInvestTov& partnership = d.InvestTovs.emplace_back();
    kvor::mTInvestTovIncome income;
    income.OperationKind = i % 6 + 1;
    income.IncomeSum = Money::Roubles(5000);
    income.ExpenseSum = Money::Roubles(3000);
    partnership.AddIncome(income);
    partnership.SourseOKTMO = std::to_string(46000000 + i);
    partnership.HoldSum = Money::Roubles(100);
  }
  kvor::mTStandartDeduct& standard = d.StandartDeduct;
  standard.SelfCode = 104;
  standard.SetCount(kvor::ChildRow::kChildren, 2);
  kvor::mTSocialDeduct& social = d.SocialDeduct;
  social.Claimed = 1;
  social.SelfEducationSum = Money::Roubles(50000);
  social.ChildEduSums = {Money::Roubles(60000), Money::Roubles(30000)};
  for (int i = 0; i < 3; ++i) {
    social.PensContracts.emplace_back().PensKind = 1 + i % 2;
    social.PensContracts.back().VZSum = Money::Roubles(50000);
  }
  kvor::mTConstructionDeduct& housing = d.ConstructionDeduct;
  housing.Claimed = 1;
  kvor::mTConstructionDeductObj flat;
  flat.ObjectCost = Money::Roubles(3000000);
  flat.CreditInterest = Money::Roubles(400000);
  flat.DolNumerator = 1;
  flat.DolDenominator = 2;
  housing.AddObject(flat);
  d.CBDeduct.CBLoss[5] = Money::Roubles(20000);
  return d;
}

void BM_ComputeReturn(benchmark::State& state) {
  kvor::mTDeclaration declaration = LargeReturn(static_cast<int>(state.range(0)));
  size_t lines = 0;
  for (auto _ : state) {
    kvor::kTSvodSum sum;
    benchmark::DoNotOptimize(sum.Run(declaration));
    lines = sum.List6.Lines.size();
  }
  state.counters["section1_lines"] = static_cast<double>(lines);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ComputeReturn)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
