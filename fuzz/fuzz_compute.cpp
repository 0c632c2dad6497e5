// Computes returns that the input bends out of shape: a return with every kind of income and
// deduction, whose codes, amounts, months, counts, shares, dates and conditions the input
// overwrites at will (as a damaged or hand-made file can). Any such return must compute or end
// in a ComputationError with the summary reset, never crash; and a second run must agree.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "core/computation/svod_sum.h"
#include "core/model/declaration.h"

namespace {

using kvor::Money;

const int32_t kIncomeCodes[] = {0,    1010, 1211, 1400, 1510, 1511, 1520, 1530, 1531, 1532,
                                1533, 1535, 1536, 1537, 1538, 1540, 1541, 1550, 2000, 2010,
                                2201, 2209, 2220, 2610, 2620, 2720, 2730, 2740, 2760, 2761,
                                2762, 2770, 2790, 2791, 4900, 9537, 9538};
const int32_t kDeductionCodes[] = {0,   201, 202, 218, 219, 314, 315, 403, 404, 405,
                                   501, 502, 503, 504, 506, 507, 508, 509, 607, 901,
                                   903, 904, 906, 908, 103, 104, 105, 110, 101, 102};

int32_t Code(FuzzedDataProvider& in, const int32_t* codes, size_t count) {
  if (in.ConsumeBool()) return in.ConsumeIntegral<int32_t>();
  return codes[in.ConsumeIntegralInRange<size_t>(0, count - 1)];
}

Money Amount(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return Money::FromRaw(in.ConsumeIntegral<int64_t>());
  return Money::Kopecks(in.ConsumeIntegralInRange<int64_t>(-100000000, 1000000000));
}

template <class T>
T& Pick(FuzzedDataProvider& in, std::vector<T>& list) {
  if (list.empty()) list.emplace_back();
  return list[in.ConsumeIntegralInRange<size_t>(0, list.size() - 1)];
}

kvor::mTDeclaration Base() {
  kvor::mTDeclaration d;
  d.SetIncomeFlags(kvor::kIncomeInCountry | kvor::kIncomeForeign | kvor::kIncomeBusiness |
                   kvor::kIncomeInvestTov);
  d.Incomes13.resize(2);
  d.Incomes13NR.resize(1);
  for (auto* list : {&d.Incomes13, &d.Incomes13NR})
    for (kvor::mTThirteenPercent& payer : *list) payer.Incomes.resize(3);
  d.Incomes35.resize(2);
  d.Dividends.resize(1);
  d.CurrencyIncomes.resize(3);
  d.BusinessIncomes.resize(1);
  d.InvestTovs.resize(1);
  d.InvestTovs[0].InvestIncomes.resize(2);
  d.SocialDeduct.Claimed = 1;
  d.SocialDeduct.ChildEduSums.resize(1);
  d.SocialDeduct.PensContracts.resize(2);
  d.ConstructionDeduct.Claimed = 1;
  d.ConstructionDeduct.Objects.resize(1);
  return d;
}

void Bend(FuzzedDataProvider& in, kvor::mTDeclaration& d) {
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 14)) {
      case 0:
        d.DeclarationType = in.ConsumeIntegralInRange<uint8_t>(0, 3);
        d.TaxpayerKind = in.ConsumeIntegral<uint8_t>();
        break;
      case 1:
        d.IncomeFlags = in.ConsumeIntegral<uint8_t>();
        break;
      case 2: {
        auto& payer = Pick(in, in.ConsumeBool() ? d.Incomes13 : d.Incomes13NR);
        auto& income = Pick(in, payer.Incomes);
        income.IncomeCode = Code(in, kIncomeCodes, std::size(kIncomeCodes));
        income.SubtractCode = Code(in, kDeductionCodes, std::size(kDeductionCodes));
        income.IncomeSum = Amount(in);
        income.SubtractSum = Amount(in);
        income.Month = in.ConsumeIntegralInRange<uint16_t>(0, 14);
        payer.PrimaryWorkplace = in.ConsumeBool();
        break;
      }
      case 3: {
        auto& payer = Pick(in, in.ConsumeBool() ? d.Incomes13 : d.Incomes13NR);
        payer.HoldSum = Amount(in);
        payer.TaxIsch = Amount(in);
        payer.OblSum = Amount(in);
        payer.SourseOKTMO = in.ConsumeRandomLengthString(12);
        break;
      }
      case 4: {
        auto& source = Pick(in, d.Incomes35);
        source.IncomeCode = Code(in, kIncomeCodes, std::size(kIncomeCodes));
        source.SubtractCode = Code(in, kDeductionCodes, std::size(kDeductionCodes));
        source.ItogIncomeSum = Amount(in);
        source.SubtractSum = Amount(in);
        source.HoldSum = Amount(in);
        break;
      }
      case 5: {
        auto& source = Pick(in, d.Dividends);
        source.ItogIncomeSum = Amount(in);
        source.OblSum = Amount(in);
        source.HoldSum = Amount(in);
        break;
      }
      case 6: {
        auto& income = Pick(in, d.CurrencyIncomes);
        income.IncomeRate = in.ConsumeBool() ? in.ConsumeIntegral<int32_t>()
                                             : in.PickValueInArray({13, 9, 35, 30, 15});
        income.IncomeCode = Code(in, kIncomeCodes, std::size(kIncomeCodes));
        income.SubtractCode = Code(in, kDeductionCodes, std::size(kDeductionCodes));
        income.SubtractSum = Amount(in);
        income.CurrencyExchange = Amount(in);
        income.CurrencyUnits = in.ConsumeIntegral<int32_t>();
        income.CurrencyExchange2 = Amount(in);
        income.CurrencyUnits2 = in.ConsumeIntegral<int32_t>();
        income.IncomeCurrencySum = Amount(in);
        income.IncomeRublSum = Amount(in);
        income.TaxCurrencySum = Amount(in);
        income.TaxRoubleSum = Amount(in);
        break;
      }
      case 7: {
        auto& activity = Pick(in, d.BusinessIncomes);
        activity.IsConfirmedExpensies = in.ConsumeBool();
        activity.IncomeSum = Amount(in);
        activity.TotalExpense = Amount(in);
        activity.NormExpense = Amount(in);
        d.ActualPrepayment = Amount(in);
        break;
      }
      case 8: {
        auto& income = Pick(in, Pick(in, d.InvestTovs).InvestIncomes);
        income.OperationKind = in.ConsumeIntegralInRange<int32_t>(-1, 8);
        income.IncomeSum = Amount(in);
        income.ExpenseSum = Amount(in);
        income.RewardSum = Amount(in);
        income.PrevYearsSum = Amount(in);
        break;
      }
      case 9: {
        kvor::mTStandartDeduct& s = d.StandartDeduct;
        s.Claimed = in.ConsumeBool();
        s.SelfCode = Code(in, kDeductionCodes, std::size(kDeductionCodes));
        s.ChildrenKind = Code(in, kDeductionCodes, std::size(kDeductionCodes));
        s.ChildConst = in.ConsumeBool();
        s.ChildCount = in.ConsumeIntegral<int32_t>();
        s.InvalidConst = in.ConsumeBool();
        s.ThirdCount = in.ConsumeIntegral<int32_t>();
        s.BusinessMonths = in.ConsumeBool();
        int month = in.ConsumeIntegralInRange(0, 11);
        s.ChildMonths[month] = in.ConsumeIntegral<int32_t>();
        s.InvalidMonths[month] = in.ConsumeIntegral<int32_t>();
        s.MonthIncomes[month] = Amount(in);
        s.MonthExpenses[month] = Amount(in);
        s.MonthMarks[month] = in.ConsumeIntegral<uint8_t>();
        s.MonthCodes[month] = in.ConsumeIntegralInRange<int32_t>(-1, 3);
        s.MonthStatus[month] = in.ConsumeIntegralInRange<int32_t>(-1, 2);
        break;
      }
      case 10: {
        kvor::mTSocialDeduct& s = d.SocialDeduct;
        s.Claimed = in.ConsumeBool();
        Pick(in, s.ChildEduSums) = Amount(in);
        s.CharitySum = Amount(in);
        s.SelfEducationSum = Amount(in);
        s.MedicalSum = Amount(in);
        break;
      }
      case 11: {
        auto& contract = Pick(in, d.SocialDeduct.PensContracts);
        contract.PensKind = in.ConsumeIntegralInRange<int32_t>(0, 3);
        contract.VZSum = Amount(in);
        contract.NASum = Amount(in);
        break;
      }
      case 12: {
        if (in.ConsumeBool() && d.ConstructionDeduct.Objects.size() < 4)
          d.ConstructionDeduct.Objects.emplace_back();
        auto& object = Pick(in, d.ConstructionDeduct.Objects);
        object.ObjectCost = Amount(in);
        object.CreditInterest = Amount(in);
        object.DolNumerator = in.ConsumeIntegral<int32_t>();
        object.DolDenominator = in.ConsumeIntegral<int32_t>();
        object.IsInvest = in.ConsumeBool();
        object.RegRightDate.Days = in.ConsumeFloatingPoint<double>();
        object.BuyDate.Days = in.ConsumeIntegralInRange<int32_t>(-700000, 3000000);
        break;
      }
      case 13: {
        kvor::mTConstructionDeduct& c = d.ConstructionDeduct;
        c.Claimed = in.ConsumeBool();
        c.PostYears = Amount(in);
        c.VychNA = Amount(in);
        c.VychIpNA = Amount(in);
        if (in.ConsumeBool()) c.Objects.clear();
        break;
      }
      case 14: {
        kvor::mTCBDeduct& cb = d.CBDeduct;
        cb.CBLoss[in.ConsumeIntegralInRange(0, 9)] = Amount(in);
        cb.FissLoss[in.ConsumeIntegralInRange(0, 9)] = Amount(in);
        d.ForeignerFixedPayments = Amount(in);
        break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  kvor::mTDeclaration declaration = Base();
  Bend(in, declaration);
  kvor::kTSvodSum first;
  bool firstFlag = false;
  try {
    firstFlag = first.Run(declaration);
  } catch (const kvor::ComputationError&) {
    if (!(first == kvor::kTSvodSum{})) std::abort();  // a failed run left partial results
    return 0;
  }
  kvor::kTSvodSum second;
  bool secondFlag = second.Run(declaration);
  if (!(first == second) || firstFlag != secondFlag) std::abort();
  return 0;
}
