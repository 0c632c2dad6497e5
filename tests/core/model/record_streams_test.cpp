// The streams each record writes: names, numbering and the order of the values.
#include <gtest/gtest.h>

#include <functional>

#include "core/model/business_new.h"
#include "core/model/cb_deduct.h"
#include "core/model/construction_deduct.h"
#include "core/model/currency_income.h"
#include "core/model/invest_tov.h"
#include "core/model/social_deduct.h"
#include "core/model/standart_deduct.h"
#include "core/model/thirteen_percent.h"
#include "core/model/thirty_five_percent.h"
#include "core/model/thirty_percent.h"
#include "core/storage/document_storage.h"
#include "support/test_support.h"

namespace kvor {
namespace {

Money M(const char* text) {
  return *Money::Parse(text, '.');
}

// The values written after the header by `save`, as one string.
std::string Written(const std::function<void(mTDocumentStorage&)>& save) {
  mTFileLoader loader("", 0, false);
  mTDocumentStorage storage(&loader);
  storage.CreateStorage("Zedo2014");
  save(storage);
  return loader.Data().substr(mTDocumentStorage::kHeaderSize);
}

// One value as the file holds it: a four-digit length and the text.
std::string V(const std::string& text) {
  char length[8];
  std::snprintf(length, sizeof length, "%04zu", text.size());
  return length + text;
}

std::string Repeat(const std::string& value, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += value;
  return out;
}

struct LayoutCase {
  const char* name;
  std::function<void(mTDocumentStorage&)> save;
  std::string expected;
};

class RecordLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(RecordLayoutTest, WritesItsStreams) {
  EXPECT_EQ(Written(GetParam().save), GetParam().expected);
}

mTThirteenPercent PayerWithTwoIncomes() {
  mTThirteenPercent payer;
  payer.SourseINN = "7701234567";
  payer.HoldSum = M("260");
  payer.SetMonth(1, M("2000"));
  mTSourseIncome income;
  income.IncomeCode = 2000;
  income.IncomeName = "Зарплата";
  income.IncomeSum = M("1000.5");
  income.Month = 1;
  payer.AddIncome(income);
  income.IncomeSum = M("1000");
  income.SubtractCode = 403;
  income.SubtractSum = M("200");
  income.NormPercent = 20;
  income.Month = 12;
  payer.AddIncome(income);
  return payer;
}

std::string PayerValues(const std::string& incomePrefix) {
  return V("0") + V("7701234567") + V("") + V("") + V("") + V("260") + V("0") + V("0") + V("0") +
         V("a") + V("2000") + Repeat(V("a"), 10) + V("2") + V(incomePrefix + "000000") + V("2000") +
         V(test::Cp1251("Зарплата")) + V("1000.5") + V("0") + V("0") + V("0") + V("1") +
         V(incomePrefix + "000001") + V("2000") + V(test::Cp1251("Зарплата")) + V("1000") +
         V("403") + V("200") + V("20") + V("12");
}

mTStandartDeduct MonthlyChildren() {
  mTStandartDeduct deduct;
  for (int month = 1; month <= 12; ++month) deduct.SetMonthCount(ChildRow::kChildren, month, 2);
  deduct.ByMonthCodes = 1;
  deduct.SetMonthCode(3, 1);
  return deduct;
}

mTSocialDeduct TwoChildSums() {
  mTSocialDeduct deduct;
  deduct.Claimed = 1;
  deduct.SelfEducationSum = M("5000");
  deduct.AppendChildEduSum(M("15000"));
  deduct.AppendChildEduSum(M("20000"));
  deduct.MedicalSum = M("7000");
  int i = deduct.AddPens();
  deduct.Pens(i).PensKind = 1;
  deduct.Pens(i).ContractDate = *Date::FromYMD(2014, 12, 18);
  deduct.Pens(i).VZSum = M("12000");
  return deduct;
}

mTConstructionDeduct ThreeObjects(uint8_t claimed) {
  mTConstructionDeduct deduct;
  deduct.Claimed = claimed;
  deduct.PostYears = M("1");
  for (int i = 0; i < 3; ++i) deduct.AddObject(mTConstructionDeductObj());
  deduct.Object(2).ObjectKind = 2;
  deduct.Object(2).DolNumerator = 1;
  deduct.Object(2).DolDenominator = 2;
  deduct.Object(2).ObjectCost = M("2000000");
  return deduct;
}

std::string NewObject(int n) {
  return V("@ConstructionDeductObj00" + std::to_string(n)) + Repeat(V("0"), 3) + Repeat(V(""), 9) +
         V("37622") + V("37622") + V("37622") + V("0") + V("0") + Repeat(V("0"), 4) + V("0") +
         V("0");
}

const LayoutCase kLayouts[] = {
    {"ResidentPayer", [](auto& s) { PayerWithTwoIncomes().Save(s, 0, false); },
     V("@ThirteenPercent000") + PayerValues("@SourseIncome")},
    {"NonResidentPayer", [](auto& s) { PayerWithTwoIncomes().Save(s, 0, true); },
     V("@ThirteenPerceNR000") + PayerValues("@SourseIncoNR")},
    {"NewPayerWritesTwelveEmptyMonths", [](auto& s) { mTThirteenPercent().Save(s, 1000, false); },
     V("@ThirteenPercent1000") + V("0") + Repeat(V(""), 4) + Repeat(V("0"), 4) +
         Repeat(V("a"), 12) + V("0")},
    {"Dividends",
     [](auto& s) {
       mTThirtyPercent r;
       r.IncomeCode = 1010;
       r.SourseINN = "7701234567";
       r.SourseKPP = "770101001";
       r.SourseOKTMO = "45382000";
       r.SourseIncomeName = "ОАО";
       r.ItogIncomeSum = M("10000");
       r.OblSum = M("10000");
       r.TaxIsch = M("900");
       r.HoldSum = M("900");
       r.Save(s, 3);
     },
     V("@ThirtyPercent003") + V("1010") + V("7701234567") + V("770101001") + V("45382000") +
         V(test::Cp1251("ОАО")) + V("10000") + V("900") + V("10000") + V("900")},
    {"ThirtyFivePercentWithoutDeduction",
     [](auto& s) {
       mTThirtyFivePercent r;
       r.IncomeCode = 2740;
       r.ItogIncomeSum = M("5000");
       r.HoldSum = M("1750");
       r.TaxIsch = M("1750");  // computed, never stored
       r.OblSum = M("5000");
       r.Save(s, 0);
     },
     V("@ThirtyFivePercent000") + V("2740") + Repeat(V(""), 4) + V("5000") + V("0") + V("0") +
         V("1750")},
    {"NewCurrencyIncome", [](auto& s) { mTCurrencyIncome().Save(s, 1); },
     V("@CurrencyIncome001") + V("0") + V("0") + Repeat(V(""), 3) + V("41640") + V("41640") +
         V("0") + V("") + V("0") + V("0") + V("0") + V("0") + V("") + Repeat(V("0"), 4) + V("0") +
         V("0") + V("0")},
    {"NewBusinessDocumentedExpenses", [](auto& s) { mTBusinessNew().Save(s, 0); },
     V("@BusinessIncome000") + V("") + V("..") + V("0") + V("1") + V("@BusinessExpense000") +
         Repeat(V("0"), 19)},
    {"BusinessNormExpenses",
     [](auto& s) {
       mTBusinessNew r;
       r.ActivityKind = "1";
       r.OKVED = "52.11";
       r.IncomeSum = M("100000");
       r.IsConfirmedExpensies = 0;
       r.NormExpense = M("20000");
       r.TotalExpense = M("5");  // not written without documented expenses
       r.Save(s, 2);
     },
     V("@BusinessIncome002") + V("1") + V("52.11") + V("100000") + V("0") + V("20000")},
    {"InvestTovIncomes",
     [](auto& s) {
       mTInvestTov r;
       r.SourseIncomeName = "ИТ";
       mTInvestTovIncome income;
       income.OperationKind = 1;
       income.IncomeSum = M("100");
       r.AddIncome(income);
       income.OperationKind = 6;
       income.IncomeSum = M("250.5");
       income.ExpenseSum = M("10");
       income.RewardSum = M("1");
       income.PrevYearsSum = M("2");
       r.AddIncome(income);
       r.Save(s, 0);
     },
     V("@InvestTov000") + V("") + V("") + V("") + V(test::Cp1251("ИТ")) + Repeat(V("0"), 3) +
         V("2") + V("@InvestTovIncome000000") + V("1") + V("100") + Repeat(V("0"), 3) +
         V("@InvestTovIncome000001") + V("6") + V("250.5") + V("10") + V("1") + V("2")},
    {"NewStandartDeduct", [](auto& s) { mTStandartDeduct().Save(s); },
     V("@StandartDeduct") + V("1") + V("103") + V("101") + V("1") + V("0") + V("1") + V("0") +
         V("0") + V("0") + V("0") + V("1") + V("0")},
    {"StandartDeductNotClaimed",
     [](auto& s) {
       mTStandartDeduct r;
       r.Claimed = 0;
       r.Save(s);
     },
     V("@StandartDeduct") + V("0")},
    {"StandartDeductMonthlyRow", [](auto& s) { MonthlyChildren().Save(s); },
     V("@StandartDeduct") + V("1") + V("103") + V("101") + V("0") + Repeat(V("2"), 12) + V("1") +
         V("0") + V("0") + V("1") + V("0") + V("0") + V("1") + Repeat(V("0"), 9) + V("0") + V("1") +
         V("0")},
    {"StandartDeductBusinessMonths",
     [](auto& s) {
       mTStandartDeduct r;
       r.BusinessMonths = 1;
       r.SetMonthIncome(1, M("10"));
       r.SetMonthExpense(12, M("3"));
       r.SetMonthMark(2, true);
       r.ByMonthStatus = 1;
       r.SetMonthStatus(12, 1);
       r.SetCount(ChildRow::kThird, 1);
       r.Save(s);
     },
     V("@StandartDeduct") + V("1") + V("103") + V("101") + V("1") + V("0") + V("1") + V("0") +
         V("1") + V("10") + Repeat(V("0"), 11) + Repeat(V("0"), 11) + V("3") + V("0") + V("1") +
         Repeat(V("0"), 10) + V("0") + V("1") + Repeat(V("0"), 11) + V("1") + V("1") + V("1")},
    {"SocialDeductChildSums", [](auto& s) { TwoChildSums().Save(s); },
     V("@SocialDeduct") + V("1") + V("0") + V("5000") + V("2") + V("15000") + V("20000") +
         V("7000") + V("0") + V("0") + V("0") + V("@Pens") + V("1") + V("@PensSub000") + V("1") +
         Repeat(V(""), 4) + V("41991") + V("12000") + V("0") + V("0")},
    {"SocialDeductNotClaimed",
     [](auto& s) {
       mTSocialDeduct r = TwoChildSums();
       r.Claimed = 0;
       r.Save(s);
     },
     V("@SocialDeduct") + V("0")},
    {"ConstructionDeductObjects", [](auto& s) { ThreeObjects(1).Save(s); },
     V("@ConstructionDeduct") + V("1") + V("0") + V("0") + V("1") + V("0") + V("0") + V("0") +
         V("3") + NewObject(0) + NewObject(1) + V("@ConstructionDeductObj002") + V("2") + V("0") +
         V("0") + Repeat(V(""), 9) + V("37622") + V("37622") + V("37622") + V("0") + V("0") +
         V("1") + V("2") + V("0") + V("0") + V("2000000") + V("0")},
    {"ConstructionDeductNotClaimed", [](auto& s) { ThreeObjects(0).Save(s); },
     V("@ConstructionDeduct") + V("0")},
    {"NewCBDeduct", [](auto& s) { mTCBDeduct().Save(s); }, V("@CBDeduct") + Repeat(V("0"), 20)},
};

INSTANTIATE_TEST_SUITE_P(Records, RecordLayoutTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvor
