// Investment partnerships and operations with securities: groups, repo and loans, the losses
// carried from earlier years, and the offsetting of losses between groups.
#include <gtest/gtest.h>

#include "core/computation/returns.h"
#include "core/computation/securities.h"

namespace kvor {
namespace {

using namespace returns;

mTInvestTovIncome Operation(int32_t kind, const char* income, const char* expenses,
                            const char* reward = "0", const char* previous = "0") {
  mTInvestTovIncome entry;
  entry.OperationKind = kind;
  entry.IncomeSum = M(income);
  entry.ExpenseSum = M(expenses);
  entry.RewardSum = M(reward);
  entry.PrevYearsSum = M(previous);
  return entry;
}

TEST(PrilITest, GroupsWithdrawalAndTotals) {
  mTDeclaration d = Resident(kIncomeInvestTov);
  mTInvestTov& partnership = d.InvestTovs.emplace_back();
  partnership.AddIncome(Operation(1, "50000", "20000", "1000", "3000"));
  partnership.AddIncome(Operation(2, "10000", "15000"));
  partnership.AddIncome(Operation(6, "80000", "100000"));  // contribution 100 000, 80 000 back
  partnership.AddIncome(Operation(7, "999", "0"));         // no such kind
  d.InvestTovs.emplace_back().AddIncome(Operation(1, "1000", "0"));

  kTSvodSumPrilI sheet = ComputePrilI(d);
  EXPECT_EQ(sheet.ДохЦБОбрИТ.ДохСовокуп, M("51000"));
  EXPECT_EQ(sheet.ДохЦБОбрИТ.ДоходОбл, M("27000"));  // 51 000 - 20 000 - 1000 - 3000
  EXPECT_EQ(sheet.ДохЦБОбрИТ.УбытПерБудущ, M("0"));
  EXPECT_EQ(sheet.ДохЦБНеОбрИТ.ДоходОбл, M("0"));
  EXPECT_EQ(sheet.ДохЦБНеОбрИТ.УбытПерБудущ, M("5000"));
  EXPECT_EQ(sheet.РасчДохВыхИТ.ДохВыхИТ, M("80000"));
  EXPECT_EQ(sheet.РасчДохВыхИТ.ВкладИТ, M("100000"));
  EXPECT_EQ(sheet.РасчДохВыхИТ.ДоходОбл, M("0"));
  EXPECT_EQ(sheet.РасчДохВыхИТ.УбытРез, M("20000"));
  EXPECT_EQ(sheet.ИтогСовОпер.ОбщДохСовОпер, M("141000"));  // 51 000 + 10 000 + 80 000
  EXPECT_EQ(sheet.ИтогСовОпер.ОбщДоходОбл, M("27000"));
  EXPECT_EQ(sheet.ИтогСовОпер.ОбщРасхПрмВыч, M("114000"));

  // The withdrawal loss reduces income from securities not traded on the organised market.
  d.IncomeFlags |= kIncomeInCountry;
  d.Incomes13.push_back(Payer({Income(1531, "50000", 1, 202, "10000")}));
  kTSvodSumPrilJ j = ComputePrilJ(d, sheet);
  EXPECT_EQ(j.ДохОперЦБНеОрг.УбытВыхИТ, M("20000"));
  EXPECT_EQ(j.ДохОперЦБНеОрг.РасхУмДохРеалЦБ, M("30000"));
  EXPECT_EQ(j.ДохОперЦБНеОрг.ДоходОбл, M("20000"));
}

kTSvodSumPrilJ Securities(std::vector<mTSourseIncome> incomes, const char* carriedCB = "0",
                          const char* carriedFiss = "0") {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(Payer(std::move(incomes)));
  d.CBDeduct.CBLoss[6] = M(carriedCB);      // 2010
  d.CBDeduct.FissLoss[9] = M(carriedFiss);  // 2013
  return ComputePrilJ(d, kTSvodSumPrilI{});
}

TEST(PrilJTest, LossOnTheOrganisedMarketIsCarriedForward) {
  kTSvodSumPrilJ j = Securities({Income(1530, "100000", 1, 201, "120000")});
  EXPECT_EQ(j.ДохОперЦБОрг.НалБазаОпер, M("0"));
  EXPECT_EQ(j.ДохОперЦБОрг.УбытРезОпер, M("20000"));
  EXPECT_EQ(j.ДохОперЦБОрг.УбытУмНББуд, M("20000"));
  EXPECT_EQ(j.УбытОперЦБОбр, M("20000"));
  EXPECT_EQ(j.ИтогСовОпер.ОбщДохСовОпер, M("100000"));
  EXPECT_EQ(j.ИтогСовОпер.ОбщДоходОбл, M("0"));
  EXPECT_EQ(j.ИтогСовОпер.ОбщРасхПрмВыч, M("100000"));
}

TEST(PrilJTest, LossOnSharesOffsetByProfitOnDerivatives) {
  kTSvodSumPrilJ j = Securities(
      {Income(1530, "100000", 1, 201, "120000"), Income(1532, "50000", 2, 206, "20000")});
  EXPECT_EQ(j.ДохФИССОргЦБ.НалБазаОпер, M("30000"));
  EXPECT_EQ(j.ДохОперЦБОрг.УбытУч_4_6, M("20000"));
  EXPECT_EQ(j.ДохФИССОргЦБ.УбытУмНБ_1_13, M("20000"));
  EXPECT_EQ(j.ДохОперЦБОрг.УбытУмНББуд, M("0"));
  EXPECT_EQ(j.ДохФИССОргЦБ.ДоходОбл, M("10000"));
  EXPECT_EQ(j.ИтогСовОпер.ОбщРасхПрмВыч, M("140000"));  // 150 000 of income, 10 000 taxable
}

TEST(PrilJTest, LossesOfEarlierYears) {
  {
    SCOPED_TRACE("50 000 carried from 2010 against a profit of 30 000");
    kTSvodSumPrilJ j = Securities({Income(1530, "130000", 1, 201, "100000")}, "50000");
    EXPECT_EQ(j.ОстУбытНачВс.СуммаЦБ, M("50000"));
    EXPECT_EQ(j.ДохОперЦБОрг.УбытПрПерУмНБ, M("30000"));
    EXPECT_EQ(j.СумУмНБПер.СуммаЦБ, M("30000"));
    EXPECT_EQ(j.ДохОперЦБОрг.ДоходОбл, M("0"));
    EXPECT_EQ(j.ОстУбытКонВс.СуммаЦБ, M("20000"));
    EXPECT_EQ(j.НалБазаПер.СуммаЦБ, M("30000"));
    EXPECT_EQ(j.УбытОперЦБОбр, M("20000"));
  }
  {
    SCOPED_TRACE("derivatives: other assets first, then securities");
    kTSvodSumPrilJ j =
        Securities({Income(1535, "16000", 1, 206, "10000"), Income(1532, "18000", 2, 206, "10000")},
                   "0", "10000");
    EXPECT_EQ(j.ДохФИССОргНеЦБ.УбытПрПерУмНБ, M("6000"));
    EXPECT_EQ(j.ДохФИССОргЦБ.УбытПрПерУмНБ, M("4000"));  // the 10 000 less 6000, within 8000
    EXPECT_EQ(j.СумУмНБПер.СуммаФИСС, M("10000"));
    EXPECT_EQ(j.ОстУбытКонВс.СуммаФИСС, M("0"));
    EXPECT_EQ(j.НалБазаПер.СуммаФИСС, M("14000"));
    EXPECT_EQ(j.ДохФИССОргЦБ.ДоходОбл, M("4000"));
    EXPECT_EQ(j.ДохФИССОргНеЦБ.ДоходОбл, M("0"));
  }
  {
    SCOPED_TRACE("a loss of the year leaves the carried loss unused");
    kTSvodSumPrilJ j = Securities({Income(1530, "100000", 1, 201, "120000")}, "50000");
    EXPECT_EQ(j.ДохОперЦБОрг.УбытПрПерУмНБ, M("0"));
    EXPECT_EQ(j.УбытОперЦБОбр, M("70000"));  // 20 000 of the year + 50 000 carried
  }
}

TEST(PrilJTest, OffsettingBetweenGroups) {
  {
    SCOPED_TRACE("derivatives on securities lose 15 000: other derivatives, then shares");
    kTSvodSumPrilJ j =
        Securities({Income(1532, "5000", 1, 206, "20000"), Income(1535, "30000", 2, 206, "20000"),
                    Income(1530, "100000", 3, 201, "92000")});
    EXPECT_EQ(j.ДохФИССОргЦБ.УбытУмНБ_5_6, M("10000"));
    EXPECT_EQ(j.ДохФИССОргНеЦБ.УбытУмНБ_4_9, M("10000"));
    EXPECT_EQ(j.ДохФИССОргЦБ.УбытУмНБ_1_9, M("5000"));
    EXPECT_EQ(j.ДохОперЦБОрг.УбытУмНБ_4_10, M("5000"));
    EXPECT_EQ(j.ДохФИССОргЦБ.УбытУмНББуд, M("0"));
    EXPECT_EQ(j.ДохОперЦБОрг.ДоходОбл, M("3000"));
    EXPECT_EQ(j.ДохФИССОргНеЦБ.ДоходОбл, M("0"));
    EXPECT_EQ(j.ИтогСовОпер.ОбщДохСовОпер, M("135000"));
    EXPECT_EQ(j.ИтогСовОпер.ОбщРасхПрмВыч, M("132000"));
  }
  {
    SCOPED_TRACE("other derivatives lose 7000 against 5000 of profit on derivatives on securities");
    kTSvodSumPrilJ j =
        Securities({Income(1535, "3000", 1, 206, "10000"), Income(1532, "8000", 2, 206, "3000")});
    EXPECT_EQ(j.ДохФИССОргНеЦБ.УбытУмНБ_4_7, M("5000"));
    EXPECT_EQ(j.ДохФИССОргЦБ.УбытУмНБ_5_8, M("5000"));
    EXPECT_EQ(j.ДохФИССОргНеЦБ.УбытУмНББуд, M("2000"));
    EXPECT_EQ(j.ДохФИССОргЦБ.ДоходОбл, M("0"));
    EXPECT_EQ(j.УбытОперФИССОбр, M("2000"));
  }
  {
    SCOPED_TRACE("a loss on shares offsets shares bought off the market first");
    kTSvodSumPrilJ j = Securities(
        {Income(1530, "100000", 1, 201, "120000"), Income(1536, "50000", 2, 201, "40000")});
    EXPECT_EQ(j.ДохОперЦБОрг.УбытУч_2_3, M("10000"));
    EXPECT_EQ(j.ДохОперЦБОргНеОрг.УбытУмФР_1_12, M("10000"));
    EXPECT_EQ(j.ДохОперЦБОргНеОрг.ДоходОбл, M("0"));
    EXPECT_EQ(j.ДохОперЦБОрг.УбытУмНББуд, M("10000"));
  }
}

TEST(PrilJTest, RepoAndLoans) {
  {
    SCOPED_TRACE("a repo loss reduces the income from traded shares");
    kTSvodSumPrilJ j =
        Securities({Income(1530, "100000", 1, 201, "90000"), Income(1537, "5000", 2, 207, "8000")});
    EXPECT_EQ(j.ДохРЕПО.ДохЗаймРЕПО, M("5000"));
    EXPECT_EQ(j.ДохРЕПО.РасхЗаймРЕПО, M("8000"));
    EXPECT_EQ(j.ДохРЕПО.УбытРезОпер, M("3000"));
    EXPECT_EQ(j.ДохРЕПО.УбытРЕПООбр, M("3000"));
    EXPECT_EQ(j.ДохОперЦБОрг.УбытРЕПОУмДох, M("3000"));
    EXPECT_EQ(j.ДохОперЦБОрг.НалБазаОпер, M("7000"));
  }
  {
    SCOPED_TRACE("at most the loss of repo as a whole");
    kTSvodSumPrilJ j =
        Securities({Income(1530, "100000", 1, 201, "90000"), Income(1537, "5000", 2, 207, "8000"),
                    Income(9537, "4000", 3, 207, "2000")});
    EXPECT_EQ(j.ДохРЕПО.УбытРЕПООбр, M("1000"));
    EXPECT_EQ(j.ДохРЕПО.УбытРЕПОНеОбр, M("0"));  // no income from shares not traded
    EXPECT_EQ(j.ДохРЕПО.ДоходОбл, M("0"));
    EXPECT_EQ(j.ДохРЕПО.УбытРезОпер, M("1000"));
  }
  {
    SCOPED_TRACE("no income from traded shares: the repo loss stays with repo");
    kTSvodSumPrilJ j = Securities({Income(1537, "5000", 2, 207, "8000")});
    EXPECT_EQ(j.ДохРЕПО.УбытРЕПООбр, M("0"));
  }
  {
    SCOPED_TRACE("a loan of securities not traded, and its profit");
    kTSvodSumPrilJ j =
        Securities({Income(1531, "20000", 1, 202, "10000"), Income(9538, "1000", 2, 207, "4000"),
                    Income(1538, "6000", 3, 207, "1000")});
    EXPECT_EQ(j.ДохЗаймЦБ.ДохДогЗайм, M("7000"));
    EXPECT_EQ(j.ДохЗаймЦБ.РасхДогЗайм, M("5000"));
    EXPECT_EQ(j.ДохЗаймЦБ.ДоходОбл, M("2000"));
    EXPECT_EQ(j.ДохЗаймЦБ.УбытЗаймЦБНеОбр, M("0"));  // the loans as a whole made a profit
    EXPECT_EQ(j.ДохОперЦБНеОрг.ДоходОбл, M("10000"));
  }
}

TEST(PrilJTest, WhatIsCounted) {
  // Without a deduction code an operation is not counted; interest goes apart from purchase.
  kTSvodSumPrilJ j =
      Securities({Income(1530, "100000", 1, 0, "0"), Income(1530, "50000", 2, 218, "1000"),
                  Income(1530, "50000", 3, 201, "30000"), Income(1530, "50000", 4, 205, "30000"),
                  Income(1533, "9000", 5, 206, "4000")});
  EXPECT_EQ(j.ДохОперЦБОрг.ДохСовОпер, M("150000"));
  EXPECT_EQ(j.ДохОперЦБОрг.ПроцРасх, M("1000"));
  EXPECT_EQ(j.ДохОперЦБОрг.РасхРеалЦБ, M("30000"));
  EXPECT_EQ(j.ДохОперЦБОрг.НалБазаОпер, M("119000"));
  EXPECT_EQ(j.ДохФИССНеОрг.ДоходОбл, M("5000"));

  mTDeclaration d = Resident(kIncomeForeign);
  d.CurrencyIncomes.push_back(Foreign(13, 1530, "10000", "0", 201, "4000"));
  EXPECT_EQ(ComputePrilJ(d, kTSvodSumPrilI{}).ДохОперЦБОрг.НалБазаОпер, M("6000"));
}

}  // namespace
}  // namespace kvor
