// Operations of the return's records: totals kept in step with the incomes, month marks,
// rouble equivalents, the children rows and the child-education list.
#include <gtest/gtest.h>

#include <functional>

#include "core/model/cb_deduct.h"
#include "core/model/construction_deduct.h"
#include "core/model/currency_income.h"
#include "core/model/invest_tov.h"
#include "core/model/person_information.h"
#include "core/model/social_deduct.h"
#include "core/model/standart_deduct.h"
#include "core/model/thirteen_percent.h"
#include "core/storage/errors.h"

namespace kvor {
namespace {

Money M(const char* text) {
  return *Money::Parse(text, '.');
}

mTSourseIncome Income13(const char* sum, uint16_t month = 1) {
  mTSourseIncome income;
  income.IncomeCode = 2000;
  income.IncomeSum = M(sum);
  income.Month = month;
  return income;
}

TEST(ThirteenPercentTest, TotalFollowsTheIncomes) {
  mTThirteenPercent payer;
  EXPECT_EQ(payer.AddIncome(Income13("1000.50")), 0);
  EXPECT_EQ(payer.AddIncome(Income13("2000")), 1);
  EXPECT_EQ(payer.AddIncome(Income13("300.25")), 2);
  EXPECT_EQ(payer.ItogIncomeSum, M("3300.75"));

  payer.ReplaceIncome(1, Income13("50"));
  EXPECT_EQ(payer.ItogIncomeSum, M("1350.75"));
  EXPECT_EQ(payer.Income(1).IncomeSum, M("50"));

  payer.DeleteIncome(0);
  EXPECT_EQ(payer.ItogIncomeSum, M("350.25"));
  ASSERT_EQ(payer.IncomeCount(), 2);
  EXPECT_EQ(payer.Income(0).IncomeSum, M("50"));
  EXPECT_EQ(payer.Income(1).IncomeSum, M("300.25"));

  EXPECT_THROW(payer.DeleteIncome(2), std::out_of_range);
  EXPECT_EQ(payer.ItogIncomeSum, M("350.25"));

  payer.ItogIncomeSum = M("1");
  payer.RebuildItogIncomeSum();
  EXPECT_EQ(payer.ItogIncomeSum, M("350.25"));
}

TEST(ThirteenPercentTest, SetMonthMarksAndClears) {
  mTThirteenPercent payer;
  payer.SetMonth(0, M("100"));
  payer.SetMonth(11, M("0"));
  EXPECT_EQ(payer.MonthMarks, (1 << 0) | (1 << 11));
  EXPECT_EQ(payer.MonthSums[0], M("100"));
  payer.SetMonth(0, M("-1"));
  EXPECT_EQ(payer.MonthMarks, 1 << 11);
  EXPECT_EQ(payer.MonthSums[0], Money());
  EXPECT_FALSE(payer.MonthMarked(0));
  EXPECT_TRUE(payer.MonthMarked(11));
}

TEST(InvestTovTest, TotalFollowsTheIncomes) {
  mTInvestTov partnership;
  mTInvestTovIncome income;
  income.IncomeSum = M("100");
  partnership.AddIncome(income);
  income.IncomeSum = M("250.50");
  partnership.AddIncome(income);
  EXPECT_EQ(partnership.ItogIncomeSum, M("350.5"));
  income.IncomeSum = M("0.5");
  partnership.ReplaceIncome(0, income);
  EXPECT_EQ(partnership.ItogIncomeSum, M("251"));
  partnership.DeleteIncome(1);
  EXPECT_EQ(partnership.ItogIncomeSum, M("0.5"));
  EXPECT_EQ(partnership.IncomeCount(), 1);
}

TEST(CurrencyIncomeTest, RoubleEquivalents) {
  struct Case {
    const char* sum;
    const char* rate;
    int32_t units;
    const char* roubles;
  } cases[] = {
      {"1000", "65.4321", 1, "65432.1"},
      {"1000", "10.1234", 10, "1012.34"},
      {"1000", "99.99", 0, "0"},
      // 0.05 * 0.1 = 0.005: exactly half a kopeck goes up.
      {"0.05", "0.1", 1, "0.01"},
      {"0.0499", "0.1", 1, "0"},
      // A negative value is cut toward zero.
      {"-0.05", "0.1", 1, "0"},
      {"-1000", "65.4321", 1, "-65432.1"},
  };
  for (const Case& c : cases) {
    mTCurrencyIncome income;
    income.CurrencyExchange = M(c.rate);
    income.CurrencyUnits = c.units;
    income.SetIncome(M(c.sum));
    EXPECT_EQ(income.IncomeCurrencySum, M(c.sum));
    EXPECT_EQ(income.IncomeRublSum, M(c.roubles)) << c.sum << " at " << c.rate;
    // The tax uses the second rate only.
    income.CurrencyExchange2 = M(c.rate);
    income.CurrencyUnits2 = c.units;
    income.CurrencyExchange = M("1");
    income.SetTax(M(c.sum));
    EXPECT_EQ(income.TaxRoubleSum, M(c.roubles));
    EXPECT_EQ(income.IncomeRublSum, M(c.roubles));
  }
}

TEST(RecordsTest, InitialValues) {
  mTCurrencyIncome currency;
  EXPECT_EQ(currency.IncomeDate.Days, 41640);
  EXPECT_EQ(currency.TaxDate.Days, 41640);

  mTPersonInformation person;
  EXPECT_EQ(person.DocIssueDate.ToText(), "01.01.1990");
  EXPECT_EQ(person.BirthDate.ToText(), "01.01.1977");
  EXPECT_EQ(person.ReservedNameCode, "0");
  EXPECT_EQ(person.CitizenshipName, "РОССИЯ");
  EXPECT_EQ(person.CountryCode, "643");

  mTConstructionDeductObj object;
  EXPECT_EQ(object.RegRightDate.ToText(), "01.01.2003");
  EXPECT_EQ(object.BuyDate.ToText(), "01.01.2003");
  EXPECT_EQ(object.BeginningUsePrivilegeDate.ToText(), "01.01.2003");
  EXPECT_EQ(object.RegZemDate.Days, 0);
  EXPECT_EQ(object.AppDate.Days, 0);
}

TEST(StandartDeductTest, RowsSwitchBetweenConstantAndMonthly) {
  for (ChildRow row : {ChildRow::kChildren, ChildRow::kInvalid, ChildRow::kThird}) {
    mTStandartDeduct deduct;
    EXPECT_TRUE(deduct.IsConstant(row));
    deduct.SetMonthCount(row, 12, 3);
    EXPECT_FALSE(deduct.IsConstant(row));
    EXPECT_EQ(deduct.MonthCount(row, 12), 3);
    EXPECT_EQ(deduct.MonthCount(row, 1), 0);
    deduct.SetCount(row, 2);
    EXPECT_TRUE(deduct.IsConstant(row));
    EXPECT_EQ(deduct.Count(row), 2);
    // The other rows are untouched.
    int changed = 0;
    for (ChildRow other : {ChildRow::kChildren, ChildRow::kInvalid, ChildRow::kThird})
      if (deduct.Count(other) != 0 || deduct.MonthCount(other, 12) != 0) ++changed;
    EXPECT_EQ(changed, 1);
  }
  mTStandartDeduct deduct;
  EXPECT_EQ(deduct.ChildMonths, (std::array<int32_t, 12>{}));
  deduct.SetMonthCount(ChildRow::kInvalid, 3, 1);
  EXPECT_EQ(deduct.InvalidMonths[2], 1);
  EXPECT_EQ(deduct.InvalidConst, 0);
  EXPECT_THROW(deduct.SetMonthCount(ChildRow::kThird, 13, 1), std::out_of_range);
}

uint16_t ErrorCodeOf(const std::function<void()>& body) {
  try {
    body();
  } catch (const mEMemoryAllocate& error) {
    EXPECT_STREQ(error.what(), "Не выделена память.");
    return error.ErrorCode;
  }
  return 0;
}

TEST(SocialDeductTest, ChildEducationSums) {
  mTSocialDeduct deduct;
  EXPECT_EQ(ErrorCodeOf([&] { deduct.ChildEduSum(0); }), 310);
  EXPECT_EQ(ErrorCodeOf([&] { deduct.SetChildEduSum(0, M("1")); }), 320);
  EXPECT_EQ(ErrorCodeOf([&] { deduct.DeleteChildEduSum(0); }), 330);
  EXPECT_EQ(deduct.AppendChildEduSum(M("10")), 0);
  EXPECT_EQ(deduct.AppendChildEduSum(M("20")), 1);
  EXPECT_EQ(deduct.AppendChildEduSum(M("30")), 2);
  EXPECT_EQ(ErrorCodeOf([&] { deduct.ChildEduSum(3); }), 311);
  EXPECT_EQ(ErrorCodeOf([&] { deduct.SetChildEduSum(5, M("1")); }), 321);
  EXPECT_EQ(ErrorCodeOf([&] { deduct.DeleteChildEduSum(3); }), 331);

  deduct.SetChildEduSum(2, M("35"));
  deduct.DeleteChildEduSum(0);
  ASSERT_EQ(deduct.ChildEduCount(), 2);
  EXPECT_EQ(deduct.ChildEduSum(0), M("20"));
  EXPECT_EQ(deduct.ChildEduSum(1), M("35"));

  EXPECT_EQ(deduct.AddPens(), 0);
  EXPECT_EQ(deduct.AddPens(), 1);
  deduct.Pens(1).ContractNumber = "N2";
  deduct.DeletePens(0);
  ASSERT_EQ(deduct.PensCount(), 1);
  EXPECT_EQ(deduct.Pens(0).ContractNumber, "N2");
  EXPECT_EQ(deduct.Pens(0).VZSum, Money());
}

TEST(CBDeductTest, TotalsAddAllTenYears) {
  mTCBDeduct deduct;
  deduct.CBLoss[2008 - mTCBDeduct::kFirstYear] = M("1000");
  deduct.CBLoss[2012 - mTCBDeduct::kFirstYear] = M("500");
  deduct.CBLoss[0] = M("0.0001");
  deduct.FissLoss[9] = M("7");
  EXPECT_EQ(deduct.CBTotal(), M("1500.0001"));
  EXPECT_EQ(deduct.FissTotal(), M("7"));
}

}  // namespace
}  // namespace kvor
