// The whole run: section 2 per rate, section 1 lines (refund distribution, the entrepreneur's
// split, merged payment lines, the single "3" line), the refund-only flag, and the run's
// guarantees (4-NDFL computes nothing, two runs agree, a failure leaves no partial result).
#include <gtest/gtest.h>

#include <limits>

#include "core/common/json_fields.h"
#include "core/computation/returns.h"
#include "core/computation/svod_sum.h"
#include "core/model/json_io.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using namespace returns;

const std::string P = kTaxpayerOktmo;
const std::string kRefund = kKbkAgentRefund;
const std::string kBusiness = kKbkBusiness;
const std::string kOther = kKbkOther;

bmTList1 Line(const std::string& kbk, const std::string& oktmo, const char* payOrRefund,
              const char* amount) {
  return {kbk, oktmo, payOrRefund, M(amount)};
}

std::vector<bmTList1> Section1(mTDeclaration& d, bool* refundOnly = nullptr) {
  kTSvodSum sum;
  bool flag = sum.Run(d);
  if (refundOnly) *refundOnly = flag;
  return sum.List6.Lines;
}

TEST(TaxBaseTest, RuleRAtTheBlock) {
  struct Case {
    const char* income;
    const char* tax;
  } cases[] = {{"50", "7"}, {"49.99", "6"}, {"90", "12"}, {"1000", "130"}};
  for (const Case& c : cases) {
    mTDeclaration d = Resident();
    d.Incomes13.push_back(Payer({Income(2000, c.income)}));
    kTSvodSum sum;
    EXPECT_FALSE(sum.Run(d));
    EXPECT_EQ(sum.List1.TaxBase, M(c.income));
    EXPECT_EQ(sum.List1.TaxComputed, M(c.tax)) << c.income;
    EXPECT_EQ(sum.List1.TaxPayable, M(c.tax)) << c.income;
    EXPECT_EQ(sum.List6.Lines, std::vector{Line(kOther, P, "1", c.tax)});
  }
}

TEST(TaxBaseTest, BaseNeverNegativeAndForeignCreditNeverRefunded) {
  // 10 000 abroad at 13 % with 5000 paid there: the line's tax here is 1300, all credited.
  // Own education of 5000 leaves a base of 5000 and a tax of 650: nothing to pay, nothing to
  // refund, though the credit is larger.
  mTDeclaration d = Resident(kIncomeForeign);
  d.CurrencyIncomes.push_back(Foreign(13, 1010, "10000", "5000"));
  d.SocialDeduct.Claimed = 1;
  d.SocialDeduct.SelfEducationSum = M("5000");
  kTSvodSum sum;
  EXPECT_FALSE(sum.Run(d));
  EXPECT_EQ(sum.List1.TaxBase, M("5000"));
  EXPECT_EQ(sum.List1.TaxComputed, M("650"));
  EXPECT_EQ(sum.List1.ForeignTaxCredited, M("1300"));
  EXPECT_EQ(sum.List1.TaxPayable, M("0"));
  EXPECT_EQ(sum.List1.TaxRefundable, M("0"));
  EXPECT_EQ(sum.List6.Lines, std::vector{Line(kOther, P, "3", "0")});

  d.SocialDeduct.SelfEducationSum = M("50000");
  EXPECT_TRUE(sum.Run(d) == false);
  EXPECT_EQ(sum.List1.Deductions, M("50000"));
  EXPECT_EQ(sum.List1.IncomeTaxable, M("10000"));
  EXPECT_EQ(sum.List1.TaxBase, M("0"));
}

TEST(TaxBaseTest, WithheldAboveTheTaxIsRefundable) {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(Payer({Income(2000, "100000")}, "15000", "46701000"));
  kTSvodSum sum;
  EXPECT_TRUE(sum.Run(d));
  EXPECT_EQ(sum.List1.TaxComputed, M("13000"));
  EXPECT_EQ(sum.List1.TaxRefundable, M("2000"));
  EXPECT_EQ(sum.List1.TaxPayable, M("0"));
  EXPECT_EQ(sum.List6.Lines, std::vector{Line(kRefund, "46701000", "2", "2000")});
}

TEST(TaxBaseTest, ResidentBlocksGatherTheSheets) {
  mTDeclaration d = FromFixture("flat_and_children.json");
  kTSvodSum sum;
  EXPECT_TRUE(sum.Run(d));
  // Standard: 500 x 12 on oneself, 1400 x 5 for the child (June passes 280 000).
  EXPECT_EQ(sum.PrilE1.StandardTotal, M("13000"));
  // The flat: 2 000 000 counted, 600 000 - 13 000 of base left for it.
  EXPECT_EQ(sum.PrilZ.НалБаз13БезВыч, M("587000"));
  EXPECT_EQ(sum.PrilZ.РасхНовВычНД, M("587000"));
  EXPECT_EQ(sum.PrilZ.ОстИВБезПроц, M("1413000"));
  EXPECT_EQ(sum.List1.IncomeTotal, M("600000"));
  EXPECT_EQ(sum.List1.Deductions, M("600000"));
  EXPECT_EQ(sum.List1.TaxBase, M("0"));
  EXPECT_EQ(sum.List1.TaxRefundable, M("76310"));
  EXPECT_EQ(sum.List6.Lines, std::vector{Line(kRefund, "46701000", "2", "76310")});
  EXPECT_EQ(d.ConstructionDeduct.Objects[0].CountedCost, M("2000000"));
  EXPECT_EQ(d.ConstructionDeduct.Objects[0].ShareMark, 1);
  EXPECT_EQ(d.Incomes13[0].IncomeTypeCode, "06");
}

TEST(TaxBaseTest, RateTextsByReturnType) {
  struct Case {
    uint8_t type;
    std::array<const char*, 5> rates;
  } cases[] = {
      {kDeclaration3NDFL, {"13", "30", "35", "09", ""}},
      {kDeclaration3NDFLNonResident, {"13", "30", "", "", "15"}},
  };
  for (const Case& c : cases) {
    mTDeclaration d = Resident();
    d.DeclarationType = c.type;
    kTSvodSum sum;
    sum.Run(d);
    EXPECT_EQ(sum.List1.Rate, c.rates[0]);
    EXPECT_EQ(sum.List2.Rate, c.rates[1]);
    EXPECT_EQ(sum.List3.Rate, c.rates[2]);
    EXPECT_EQ(sum.List4.Rate, c.rates[3]);
    EXPECT_EQ(sum.List5.Rate, c.rates[4]);
  }
}

TEST(Section1Test, RefundSpreadOverTheSources) {
  struct Case {
    const char* name;
    std::function<void(mTDeclaration&)> change;
    std::vector<bmTList1> lines;  // worked out by hand
  } cases[] = {
      // Base 180 000 - 170 000 = 10 000, tax 1300; refund 22 100 + 4000 - 1300 = 24 800:
      // 13 000 and 6500 to the first municipality (one line), 2600 to the second, the payer
      // without tax is skipped, and 2700 is left for the taxpayer's own line.
      {"refund larger than the tax withheld",
       [](mTDeclaration&) {},
       {Line(kRefund, "46701000", "2", "19500"), Line(kRefund, "45382000", "2", "2600"),
        Line(kRefund, P, "2", "2700")}},
      {"the taxpayer's municipality is a payer's: one line",
       [](mTDeclaration& d) { d.PersonInformation.OKTMO = "46701000"; },
       {Line(kRefund, "46701000", "2", "22200"), Line(kRefund, "45382000", "2", "2600")}},
      // Base 60 000, tax 7800; refund 26 100 - 7800 = 18 300: 13 000, then 5300 and stop.
      {"refund within the first payers",
       [](mTDeclaration& d) { d.SocialDeduct.ExpensiveMedicalSum = Money(); },
       {Line(kRefund, "46701000", "2", "18300")}},
      // The partnership withheld 1000 more: it comes after the 13 % payers.
      {"partnerships after the 13 % payers",
       [](mTDeclaration& d) {
         d.SetIncomeFlags(kIncomeInCountry | kIncomeInvestTov);
         mTInvestTov& partnership = d.InvestTovs.emplace_back();
         partnership.HoldSum = M("1000");
         partnership.SourseOKTMO = "46000001";
       },
       {Line(kRefund, "46701000", "2", "19500"), Line(kRefund, "45382000", "2", "2600"),
        Line(kRefund, "46000001", "2", "1000"), Line(kRefund, P, "2", "2700")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = FromFixture("refund_over_sources.json");
    c.change(d);
    bool refundOnly = false;
    EXPECT_EQ(Section1(d, &refundOnly), c.lines);
    EXPECT_TRUE(refundOnly);
  }
}

TEST(Section1Test, EntrepreneursSplitBetweenTheTwoCodes) {
  struct Case {
    const char* name;
    std::function<void(mTDeclaration&)> change;
    std::vector<bmTList1> lines;  // worked out by hand
    bool refundOnly;
  } cases[] = {
      // 13 % of 500 000 = 65 000, less 20 000 of advances: 45 000 due. The business share is
      // 13 % of 400 000 less the advances: 32 000; the rest, 13 000, goes to the other code.
      {"tax to pay above the business share",
       [](mTDeclaration&) {},
       {Line(kBusiness, P, "1", "32000"), Line(kOther, P, "1", "13000")},
       false},
      // 40 000 withheld from the salary: 5000 due, all of it business.
      {"tax to pay within the business share",
       [](mTDeclaration& d) { d.Incomes13[0].HoldSum = M("40000"); },
       {Line(kBusiness, P, "1", "5000")},
       false},
      // Business income equal to its expenses, salary 100 000 with 13 000 withheld, own
      // education 20 000, advances 3000: base 80 000, tax 10 400, refund 5600: 3000 of advances
      // under the business code, 2600 through the salary's payer.
      {"refund: the advances first",
       [](mTDeclaration& d) {
         d.BusinessIncomes[0].IncomeSum = M("100000");
         d.BusinessIncomes[0].TotalExpense = M("100000");
         d.Incomes13[0].HoldSum = M("13000");
         d.ActualPrepayment = M("3000");
         d.SocialDeduct.Claimed = 1;
         d.SocialDeduct.SelfEducationSum = M("20000");
       },
       {Line(kBusiness, P, "2", "3000"), Line(kRefund, "46701000", "2", "2600")},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mTDeclaration d = FromFixture("entrepreneur_pays.json");
    c.change(d);
    bool refundOnly = !c.refundOnly;
    EXPECT_EQ(Section1(d, &refundOnly), c.lines);
    EXPECT_EQ(refundOnly, c.refundOnly);
  }
}

TEST(Section1Test, PaymentsOfAllRatesMergeIntoOneLine) {
  // 13 %: 1000 with nothing withheld, 130 due; 35 %: 90, 32 due; 9 %: taxable 1000, 90 due.
  mTDeclaration d = Resident();
  d.Incomes13.push_back(Payer({Income(2000, "1000")}, "0", "46701000"));
  mTThirtyFivePercent& prize = d.Incomes35.emplace_back();
  prize.IncomeCode = 2610;
  prize.ItogIncomeSum = M("90");
  mTThirtyPercent& dividend = d.Dividends.emplace_back();
  dividend.ItogIncomeSum = M("1000");
  dividend.OblSum = M("1000");
  bool refundOnly = true;
  EXPECT_EQ(Section1(d, &refundOnly), std::vector{Line(kOther, P, "1", "252")});
  EXPECT_FALSE(refundOnly);
}

TEST(Section1Test, ThirtyFivePercentRefundOfHousingLoanBenefit) {
  // 1750 withheld on a benefit of code 2620 is refundable; the other source's 350 is its tax.
  mTDeclaration d = Resident();
  mTThirtyFivePercent& benefit = d.Incomes35.emplace_back();
  benefit.IncomeCode = 2620;
  benefit.ItogIncomeSum = M("5000");
  benefit.HoldSum = M("1750");
  benefit.SourseOKTMO = "46701000";
  mTThirtyFivePercent& other = d.Incomes35.emplace_back();
  other.IncomeCode = 2610;
  other.ItogIncomeSum = M("1000");
  other.HoldSum = M("350");
  other.SourseOKTMO = "45382000";
  kTSvodSum sum;
  EXPECT_TRUE(sum.Run(d));
  EXPECT_EQ(sum.List3.TaxWithheldExempt, M("1750"));
  EXPECT_EQ(sum.List3.TaxComputed, M("350"));
  EXPECT_EQ(sum.List3.TaxRefundable, M("1750"));
  EXPECT_EQ(sum.List6.Lines, std::vector{Line(kRefund, "46701000", "2", "1750")});
}

TEST(Section1Test, DividendRefundThroughTheirPayers) {
  mTDeclaration d = Resident();
  for (const char* oktmo : {"46701000", "45382000"}) {
    mTThirtyPercent& dividend = d.Dividends.emplace_back();
    dividend.ItogIncomeSum = M("10000");
    dividend.OblSum = M("10000");
    dividend.HoldSum = M("1300");  // 900 is due on each
    dividend.SourseOKTMO = oktmo;
  }
  EXPECT_EQ(Section1(d), std::vector{Line(kRefund, "46701000", "2", "800")});
}

TEST(Section1Test, DividendRefundBeyondTheTaxWithheldGoesToNoLine) {
  // Only a file can carry a negative taxable amount: 9 % of -10 000 is -900, so 100 + 900 = 1000
  // is refundable. The payer gets back its 100; the other 900 goes to no line, not even the
  // taxpayer's own.
  mTDeclaration d = Resident();
  mTThirtyPercent& dividend = d.Dividends.emplace_back();
  dividend.OblSum = M("-10000");
  dividend.HoldSum = M("100");
  dividend.SourseOKTMO = "46701000";
  kTSvodSum sum;
  EXPECT_TRUE(sum.Run(d));
  EXPECT_EQ(sum.List4.TaxRefundable, M("1000"));
  EXPECT_EQ(sum.List6.Lines, std::vector{Line(kRefund, "46701000", "2", "100")});
}

TEST(Section1Test, NonResident) {
  {
    SCOPED_TRACE("13 % refund to its payer, 30 % and 15 % due on one payment line");
    mTDeclaration d = NonResident();
    d.Incomes13NR.push_back(Payer({Income(2000, "100000")}, "15000", "46701000", "13000"));
    d.Incomes13.push_back(Payer({Income(2000, "10000")}, "0", "45382000"));
    mTThirtyPercent& dividend = d.Dividends.emplace_back();
    dividend.ItogIncomeSum = M("1000");
    dividend.HoldSum = M("100");
    kTSvodSum sum;
    EXPECT_FALSE(sum.Run(d));
    EXPECT_EQ(sum.List1.TaxRefundable, M("2000"));
    EXPECT_EQ(sum.List2.TaxComputed, M("3000"));
    EXPECT_EQ(sum.List5.TaxComputed, M("150"));
    EXPECT_EQ(sum.List6.Lines,
              (std::vector{Line(kRefund, "46701000", "2", "2000"), Line(kOther, P, "1", "3050")}));
    EXPECT_EQ(sum.List3, kTSvodSumList3{});
    EXPECT_EQ(sum.List4, kTSvodSumList4{});
  }
  {
    SCOPED_TRACE("a refund of fixed payments with nothing withheld goes to the taxpayer's line");
    mTDeclaration d = NonResident();
    d.ForeignerFixedPayments = M("2000");
    d.Incomes13NR.push_back(Payer({Income(2000, "10000")}, "0", "46701000"));
    EXPECT_EQ(Section1(d), std::vector{Line(kRefund, P, "2", "700")});
  }
  {
    SCOPED_TRACE("13 % due: the other individuals' code");
    mTDeclaration d = NonResident();
    d.Incomes13NR.push_back(Payer({Income(2000, "10000")}, "0", "46701000"));
    EXPECT_EQ(Section1(d), std::vector{Line(kOther, P, "1", "1300")});
  }
}

TEST(Section1Test, EmptyReturnGetsOneLineByTheTaxpayerCategory) {
  struct Case {
    uint8_t taxpayerKind;
    const std::string& kbk;
  } cases[] = {{0, kBusiness}, {1, kBusiness}, {2, kBusiness}, {3, kBusiness},
               {4, kOther},    {5, kOther},    {6, kBusiness}};
  for (const Case& c : cases) {
    mTDeclaration d = Resident();
    d.TaxpayerKind = c.taxpayerKind;
    kTSvodSum sum;
    EXPECT_FALSE(sum.Run(d));
    EXPECT_EQ(sum.List6.Lines, std::vector{Line(c.kbk, P, "3", "0")}) << int(c.taxpayerKind);
    EXPECT_EQ(sum.List1.TaxComputed, Money());
    EXPECT_EQ(sum.List1.IncomeTotal, Money());
  }
}

TEST(RunTest, FourNdflComputesNothing) {
  mTDeclaration d = FromFixture("refund_over_sources.json");
  d.DeclarationType = kDeclaration4NDFL;
  mTDeclaration before = d;
  kTSvodSum sum;
  sum.List1.TaxBase = M("1");  // whatever an earlier run left
  EXPECT_TRUE(sum.Run(d));
  EXPECT_EQ(sum, kTSvodSum{});
  EXPECT_TRUE(sum.List6.Lines.empty());
  EXPECT_EQ(d, before);
  EXPECT_EQ(d.Incomes13[0].IncomeTypeCode, "");
}

TEST(RunTest, TwoRunsGiveTheSameResults) {
  mTDeclaration d;
  d.LoadFromFile(test::FixturePath("model/full_return.kv4"));
  kTSvodSum first;
  bool firstFlag = first.Run(d);
  mTDeclaration afterFirst = d;
  kTSvodSum second = first;
  bool secondFlag = second.Run(d);
  EXPECT_EQ(first, second);
  EXPECT_EQ(firstFlag, secondFlag);
  EXPECT_EQ(d, afterFirst);
  EXPECT_EQ(d.ConstructionDeduct.Objects[0].CountedCost,
            afterFirst.ConstructionDeduct.Objects[0].CountedCost);
  EXPECT_FALSE(first.List6.Lines.empty());
}

TEST(RunTest, SheetsOfDeductionsNeedAnIncomeKind) {
  for (uint8_t flags : {0, int(kIncomeReserved)}) {
    mTDeclaration d = Resident(flags);
    d.SocialDeduct.Claimed = 1;
    d.SocialDeduct.SelfEducationSum = M("1000");
    mTPens& contract = d.SocialDeduct.PensContracts.emplace_back();
    contract.PensKind = 1;
    contract.VZSum = M("1000");
    contract.NASum = M("500");
    kTSvodSum sum;
    sum.Run(d);
    EXPECT_EQ(sum.PrilE3, kTSvodSumPrilE3{}) << int(flags);
    EXPECT_EQ(sum.PrilE2, kTSvodSumPrilE2{}) << int(flags);
    d.IncomeFlags = kIncomeInvestTov;
    sum.Run(d);
    EXPECT_EQ(sum.PrilE3.ContributionsByAgents, M("500"));
    EXPECT_EQ(sum.PrilE2.SocialTotal, M("1500"));  // 1000 + 1000 - 500
  }
}

TEST(RunTest, FailureLeavesNoPartialResult) {
  mTDeclaration d = Resident();
  d.Incomes13.push_back(Payer({Income(2000, "900000000000000")}));
  d.Incomes13.push_back(Payer({Income(2000, "900000000000000")}));
  kTSvodSum sum;
  sum.List1.TaxBase = M("1");
  try {
    sum.Run(d);
    FAIL() << "the run should fail";
  } catch (const ComputationError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу "
              "поддержки (Переполнение денежной суммы)");
    EXPECT_EQ(error.Reason(), "Переполнение денежной суммы");
  }
  EXPECT_EQ(sum, kTSvodSum{});
}

TEST(JsonTest, MembersNamedByTheirClasses) {
  mTDeclaration d = FromFixture("refund_over_sources.json");
  kTSvodSum sum;
  bool refundOnly = sum.Run(d);
  Json json = Json::parse(SvodSumToJsonText(sum, refundOnly));
  std::vector<std::string> keys;
  for (auto it = json.begin(); it != json.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys,
            (std::vector<std::string>{
                "kTSvodSumList1",   "kTSvodSumList2",   "kTSvodSumList3",   "kTSvodSumList4",
                "kTSvodSumList5",   "kTSvodSumList6",   "kTSvodSumPrilA6",  "kTSvodSumPrilA13",
                "kTSvodSumPrilA15", "kTSvodSumPrilA30", "kTSvodSumPrilA35", "kTSvodSumPrilB",
                "kTSvodSumPrilV1",  "kTSvodSumPrilM",   "kTSvodSumPrilG",   "kTSvodSumPrilG_In",
                "kTSvodSumPrilE1",  "kTSvodSumPrilE2",  "kTSvodSumPrilE3",  "kTSvodSumPrilH1",
                "kTSvodSumPrilZ",   "kTSvodSumPrilJ",   "kTSvodSumPrilI",   "RefundOnly"}));
  EXPECT_EQ(json["RefundOnly"], true);
  EXPECT_EQ(json["kTSvodSumList1"]["TaxRefundable"], "24800");
  EXPECT_EQ(json["kTSvodSumList6"][2],
            (Json{{"Kbk", kRefund}, {"Oktmo", P}, {"PayOrRefund", "2"}, {"Amount", "2700"}}));
  EXPECT_EQ(json["kTSvodSumPrilB"].size(), 3u);
  EXPECT_TRUE(json["kTSvodSumPrilJ"]["ДохОперЦБОрг"].contains("УбытУмНБ_4.10"));
  EXPECT_EQ(json["kTSvodSumPrilE1"]["CumulativeIncome"].size(), 12u);

  // The form reads back into an equal summary.
  kTSvodSum back;
  json.erase("RefundOnly");
  FromJson(json, back, "");
  EXPECT_EQ(back, sum);
}

}  // namespace
}  // namespace kvor
