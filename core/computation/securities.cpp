#include "core/computation/securities.h"

#include "core/computation/tax_rules.h"

namespace kvor {

namespace {

// Kinds of partnership operations.
constexpr int32_t kInvestKindFirstGroup = 1;
constexpr int32_t kInvestKindLastGroup = 5;
constexpr int32_t kInvestKindWithdrawal = 6;

// Income codes of operations with securities and derivatives, and the deduction codes that
// tell purchase expenses from interest on loans taken for them.
constexpr int32_t kCodeCBOrg = 1530;
constexpr int32_t kCodeCBNeOrg = 1531;
constexpr int32_t kCodeFissOrgCB = 1532;
constexpr int32_t kCodeFissNeOrg = 1533;
constexpr int32_t kCodeFissOrgNeCB = 1535;
constexpr int32_t kCodeCBOrgNeOrg = 1536;
constexpr int32_t kCodeRepoOrg = 1537;
constexpr int32_t kCodeLoanOrg = 1538;
constexpr int32_t kCodeRepoNeOrg = 9537;
constexpr int32_t kCodeLoanNeOrg = 9538;
constexpr int32_t kDeductionCBOrgPurchase = 201;
constexpr int32_t kDeductionCBOrgInterest = 218;
constexpr int32_t kDeductionCBNeOrgPurchase = 202;
constexpr int32_t kDeductionCBNeOrgInterest = 219;

void AddOperation(kTSvodSumPrilJ& j, int32_t incomeCode, int32_t deductionCode, Money income,
                  Money deduction) {
  if (deductionCode == 0) return;  // an operation without expenses is not counted here
  switch (incomeCode) {
    case kCodeCBOrg:
      j.ДохОперЦБОрг.ДохСовОпер += income;
      if (deductionCode == kDeductionCBOrgPurchase) j.ДохОперЦБОрг.РасхРеалЦБ += deduction;
      if (deductionCode == kDeductionCBOrgInterest) j.ДохОперЦБОрг.ПроцРасх += deduction;
      break;
    case kCodeCBNeOrg:
      j.ДохОперЦБНеОрг.ДохСовОпер += income;
      if (deductionCode == kDeductionCBNeOrgPurchase) j.ДохОперЦБНеОрг.РасхРеалЦБ += deduction;
      if (deductionCode == kDeductionCBNeOrgInterest) j.ДохОперЦБНеОрг.ПроцРасх += deduction;
      break;
    case kCodeCBOrgNeOrg:
      j.ДохОперЦБОргНеОрг.ДохСовОпер += income;
      j.ДохОперЦБОргНеОрг.РасхРеалЦБ += deduction;
      break;
    case kCodeFissOrgCB:
      j.ДохФИССОргЦБ.ДохСовОпер += income;
      j.ДохФИССОргЦБ.РасхРеалФИСС += deduction;
      break;
    case kCodeFissOrgNeCB:
      j.ДохФИССОргНеЦБ.ДохСовОпер += income;
      j.ДохФИССОргНеЦБ.РасхРеалФИСС += deduction;
      break;
    case kCodeFissNeOrg:
      j.ДохФИССНеОрг.ДохСовОпер += income;
      j.ДохФИССНеОрг.РасхРеалФИСС += deduction;
      break;
    case kCodeRepoOrg:
    case kCodeRepoNeOrg:
    case kCodeLoanOrg:
    case kCodeLoanNeOrg: {
      kTCodeSums& sums = incomeCode == kCodeRepoOrg     ? j.Code1537
                         : incomeCode == kCodeRepoNeOrg ? j.Code9537
                         : incomeCode == kCodeLoanOrg   ? j.Code1538
                                                        : j.Code9538;
      sums.Income += income;
      sums.Expenses += deduction;
      break;
    }
    default:
      break;
  }
}

// The loss of one code of repo or loans that reduces the income of its securities group: at
// most the loss of all codes together, never below 0.
Money CodeLoss(const kTCodeSums& code, Money totalIncome, Money totalExpenses) {
  return NotNegative(Min(code.Expenses - code.Income, totalExpenses - totalIncome));
}

// The smaller of `available` and `loss` when `available` is positive, else 0.
Money OffsetWhenPositive(Money available, Money loss) {
  return available > Money() ? Min(available, loss) : Money();
}

}  // namespace

kTSvodSumPrilI ComputePrilI(const mTDeclaration& d) {
  kTSvodSumPrilI sheet;
  kTInvestGroup* groups[] = {&sheet.ДохЦБОбрИТ, &sheet.ДохЦБНеОбрИТ, &sheet.ДохФИНеОбрИТ,
                             &sheet.ДохУстКапИТ, &sheet.ДохПрочИТ};
  kTInvestWithdrawal& withdrawal = sheet.РасчДохВыхИТ;
  for (const mTInvestTov& partnership : InvestTovsOf(d)) {
    for (const mTInvestTovIncome& income : partnership.InvestIncomes) {
      if (income.OperationKind >= kInvestKindFirstGroup &&
          income.OperationKind <= kInvestKindLastGroup) {
        kTInvestGroup& group = *groups[income.OperationKind - kInvestKindFirstGroup];
        group.ДохСовокуп += income.IncomeSum;
        group.РасхДолУпрТов += income.ExpenseSum;
        group.РасхВознУпрТоп += income.RewardSum;
        group.УбытПрУмен += income.PrevYearsSum;
      } else if (income.OperationKind == kInvestKindWithdrawal) {
        withdrawal.ДохВыхИТ += income.IncomeSum;
        withdrawal.ВкладИТ += income.ExpenseSum;
      }
    }
  }
  kTOperationTotals& totals = sheet.ИтогСовОпер;
  for (kTInvestGroup* group : groups) {
    Money result =
        group->ДохСовокуп - group->РасхДолУпрТов - group->РасхВознУпрТоп - group->УбытПрУмен;
    group->ДоходОбл = NotNegative(result);
    group->УбытПерБудущ = NotNegative(-result);
    totals.ОбщДохСовОпер += group->ДохСовокуп;
    totals.ОбщДоходОбл += group->ДоходОбл;
  }
  withdrawal.ДоходОбл = NotNegative(withdrawal.ДохВыхИТ - withdrawal.ВкладИТ);
  withdrawal.УбытРез = NotNegative(withdrawal.ВкладИТ - withdrawal.ДохВыхИТ);
  totals.ОбщДохСовОпер += withdrawal.ДохВыхИТ;
  totals.ОбщДоходОбл += withdrawal.ДоходОбл;
  totals.ОбщРасхПрмВыч = totals.ОбщДохСовОпер - totals.ОбщДоходОбл;
  return sheet;
}

kTSvodSumPrilJ ComputePrilJ(const mTDeclaration& d, const kTSvodSumPrilI& partnerships) {
  kTSvodSumPrilJ j;
  // Collecting income and expenses.
  for (const mTThirteenPercent& source : Incomes13Of(d))
    for (const mTSourseIncome& income : source.Incomes)
      AddOperation(j, income.IncomeCode, income.SubtractCode, income.IncomeSum, income.SubtractSum);
  for (const mTCurrencyIncome& income : CurrencyIncomesOf(d))
    AddOperation(j, income.IncomeCode, income.SubtractCode, income.IncomeRublSum,
                 income.SubtractSum);

  kTCBOrg& cbOrg = j.ДохОперЦБОрг;
  kTCBOrgNeOrg& cbOrgNeOrg = j.ДохОперЦБОргНеОрг;
  kTCBNeOrg& cbNeOrg = j.ДохОперЦБНеОрг;
  kTFissOrgCB& fissCB = j.ДохФИССОргЦБ;
  kTFissOrgNeCB& fissNeCB = j.ДохФИССОргНеЦБ;
  kTFissNeOrg& fissNeOrg = j.ДохФИССНеОрг;
  kTRepo& repo = j.ДохРЕПО;
  kTSecuritiesLoan& loan = j.ДохЗаймЦБ;

  // Repo and loans.
  repo.ДохЗаймРЕПО = j.Code1537.Income + j.Code9537.Income;
  repo.РасхЗаймРЕПО = j.Code1537.Expenses + j.Code9537.Expenses;
  repo.ДоходОбл = NotNegative(repo.ДохЗаймРЕПО - repo.РасхЗаймРЕПО);
  repo.УбытРезОпер = NotNegative(repo.РасхЗаймРЕПО - repo.ДохЗаймРЕПО);
  loan.ДохДогЗайм = j.Code1538.Income + j.Code9538.Income;
  loan.РасхДогЗайм = j.Code1538.Expenses + j.Code9538.Expenses;
  loan.ДоходОбл = NotNegative(loan.ДохДогЗайм - loan.РасхДогЗайм);
  loan.УбытРезОпер = NotNegative(loan.РасхДогЗайм - loan.ДохДогЗайм);
  if (cbOrg.ДохСовОпер > Money()) {
    repo.УбытРЕПООбр = CodeLoss(j.Code1537, repo.ДохЗаймРЕПО, repo.РасхЗаймРЕПО);
    loan.УбытЗаймЦБОбр = CodeLoss(j.Code1538, loan.ДохДогЗайм, loan.РасхДогЗайм);
  }
  if (cbNeOrg.ДохСовОпер > Money()) {
    repo.УбытРЕПОНеОбр = CodeLoss(j.Code9537, repo.ДохЗаймРЕПО, repo.РасхЗаймРЕПО);
    loan.УбытЗаймЦБНеОбр = CodeLoss(j.Code9538, loan.ДохДогЗайм, loan.РасхДогЗайм);
  }

  // Financial results of the groups.
  cbOrg.УбытРЕПОУмДох = repo.УбытРЕПООбр;
  cbOrg.УбытЗаймУмДох = loan.УбытЗаймЦБОбр;
  cbOrg.РасхУмДохРеалЦБ =
      cbOrg.РасхРеалЦБ + cbOrg.УбытРЕПОУмДох + cbOrg.УбытЗаймУмДох + cbOrg.ПроцРасх;
  cbOrg.НалБазаОпер = NotNegative(cbOrg.ДохСовОпер - cbOrg.РасхУмДохРеалЦБ);
  cbOrg.УбытРезОпер = NotNegative(cbOrg.РасхУмДохРеалЦБ - cbOrg.ДохСовОпер);

  cbNeOrg.УбытРЕПОУмДох = repo.УбытРЕПОНеОбр;
  cbNeOrg.УбытЗаймУмДох = loan.УбытЗаймЦБНеОбр;
  cbNeOrg.УбытВыхИТ = partnerships.РасчДохВыхИТ.УбытРез;
  cbNeOrg.РасхУмДохРеалЦБ = cbNeOrg.РасхРеалЦБ + cbNeOrg.УбытРЕПОУмДох + cbNeOrg.УбытЗаймУмДох +
                            cbNeOrg.ПроцРасх + cbNeOrg.УбытВыхИТ;
  cbNeOrg.ДоходОбл = NotNegative(cbNeOrg.ДохСовОпер - cbNeOrg.РасхУмДохРеалЦБ);

  fissCB.НалБазаОпер = NotNegative(fissCB.ДохСовОпер - fissCB.РасхРеалФИСС);
  fissCB.УбытРезОпер = NotNegative(fissCB.РасхРеалФИСС - fissCB.ДохСовОпер);
  fissNeCB.НалБазаОпер = NotNegative(fissNeCB.ДохСовОпер - fissNeCB.РасхРеалФИСС);
  fissNeCB.УбытРезОпер = NotNegative(fissNeCB.РасхРеалФИСС - fissNeCB.ДохСовОпер);
  fissNeOrg.ДоходОбл = NotNegative(fissNeOrg.ДохСовОпер - fissNeOrg.РасхРеалФИСС);

  // Losses of 2004..2013 carried into the year.
  Money carriedCB = d.CBDeduct.CBTotal();
  Money carriedFiss = d.CBDeduct.FissTotal();
  j.ОстУбытНачВс = {carriedCB, carriedFiss};
  cbOrg.УбытПрПерУмНБ = OffsetWhenPositive(cbOrg.НалБазаОпер, carriedCB);
  j.СумУмНБПер.СуммаЦБ = cbOrg.УбытПрПерУмНБ;
  fissNeCB.УбытПрПерУмНБ = OffsetWhenPositive(fissNeCB.НалБазаОпер, carriedFiss);
  j.СумУмНБПер.СуммаФИСС = fissNeCB.УбытПрПерУмНБ;
  fissCB.УбытПрПерУмНБ =
      OffsetWhenPositive(fissCB.НалБазаОпер, carriedFiss - j.СумУмНБПер.СуммаФИСС);
  j.СумУмНБПер.СуммаФИСС += fissCB.УбытПрПерУмНБ;

  // Losses of one group offset against the income of another, in this order.
  fissCB.УбытУмНБ_5_6 =
      OffsetWhenPositive(fissNeCB.НалБазаОпер - fissNeCB.УбытПрПерУмНБ, fissCB.УбытРезОпер);
  fissNeCB.УбытУмНБ_4_9 = fissCB.УбытУмНБ_5_6;
  fissCB.УбытУмНБ_1_9 = OffsetWhenPositive(cbOrg.НалБазаОпер - cbOrg.УбытПрПерУмНБ,
                                           fissCB.УбытРезОпер - fissCB.УбытУмНБ_5_6);
  cbOrg.УбытУмНБ_4_10 = fissCB.УбытУмНБ_1_9;
  fissCB.УбытУмНББуд = NotNegative(fissCB.УбытРезОпер - fissCB.УбытУмНБ_5_6 - fissCB.УбытУмНБ_1_9);
  fissNeCB.УбытУмНБ_4_7 =
      OffsetWhenPositive(fissCB.НалБазаОпер - fissCB.УбытПрПерУмНБ, fissNeCB.УбытРезОпер);
  fissCB.УбытУмНБ_5_8 = fissNeCB.УбытУмНБ_4_7;
  fissNeCB.УбытУмНББуд = NotNegative(fissNeCB.УбытРезОпер - fissNeCB.УбытУмНБ_4_7);
  cbOrg.УбытУч_2_3 =
      OffsetWhenPositive(cbOrgNeOrg.ДохСовОпер - cbOrgNeOrg.РасхРеалЦБ, cbOrg.УбытРезОпер);
  cbOrgNeOrg.УбытУмФР_1_12 = cbOrg.УбытУч_2_3;
  cbOrgNeOrg.ДоходОбл =
      NotNegative(cbOrgNeOrg.ДохСовОпер - cbOrgNeOrg.РасхРеалЦБ - cbOrgNeOrg.УбытУмФР_1_12);
  cbOrg.УбытУч_4_6 =
      OffsetWhenPositive(fissCB.НалБазаОпер - fissCB.УбытПрПерУмНБ - fissCB.УбытУмНБ_5_8,
                         cbOrg.УбытРезОпер - cbOrg.УбытУч_2_3);
  fissCB.УбытУмНБ_1_13 = cbOrg.УбытУч_4_6;
  cbOrg.УбытУмНББуд = NotNegative(cbOrg.УбытРезОпер - cbOrg.УбытУч_2_3 - cbOrg.УбытУч_4_6);

  // Taxable results.
  cbOrg.ДоходОбл = NotNegative(cbOrg.НалБазаОпер - cbOrg.УбытУмНБ_4_10 - cbOrg.УбытПрПерУмНБ);
  fissCB.ДоходОбл = NotNegative(fissCB.НалБазаОпер - fissCB.УбытПрПерУмНБ - fissCB.УбытУмНБ_1_13 -
                                fissCB.УбытУмНБ_5_8);
  fissNeCB.ДоходОбл =
      NotNegative(fissNeCB.НалБазаОпер - fissNeCB.УбытПрПерУмНБ - fissNeCB.УбытУмНБ_4_9);

  // The year's summary of losses.
  j.НалБазаПер.СуммаЦБ = cbOrg.НалБазаОпер;
  j.НалБазаПер.СуммаФИСС = fissCB.НалБазаОпер + fissNeCB.НалБазаОпер;
  j.ОстУбытКонВс.СуммаЦБ = carriedCB - j.СумУмНБПер.СуммаЦБ;
  j.ОстУбытКонВс.СуммаФИСС = carriedFiss - j.СумУмНБПер.СуммаФИСС;
  j.УбытОперЦБОбр = cbOrg.УбытУмНББуд + j.ОстУбытКонВс.СуммаЦБ;
  j.УбытОперФИССОбр = fissCB.УбытУмНББуд + fissNeCB.УбытУмНББуд + j.ОстУбытКонВс.СуммаФИСС;

  // Totals.
  kTOperationTotals& totals = j.ИтогСовОпер;
  totals.ОбщДохСовОпер = cbOrg.ДохСовОпер + cbOrgNeOrg.ДохСовОпер + cbNeOrg.ДохСовОпер +
                         fissCB.ДохСовОпер + fissNeCB.ДохСовОпер + fissNeOrg.ДохСовОпер +
                         repo.ДохЗаймРЕПО + loan.ДохДогЗайм;
  totals.ОбщДоходОбл = cbOrg.ДоходОбл + cbOrgNeOrg.ДоходОбл + cbNeOrg.ДоходОбл + fissCB.ДоходОбл +
                       fissNeCB.ДоходОбл + fissNeOrg.ДоходОбл + repo.ДоходОбл + loan.ДоходОбл;
  totals.ОбщРасхПрмВыч = totals.ОбщДохСовОпер - totals.ОбщДоходОбл;
  return j;
}

}  // namespace kvor
