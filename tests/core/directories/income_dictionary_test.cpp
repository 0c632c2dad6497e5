#include "core/directories/income_dictionary.h"

#include <gtest/gtest.h>

#include "core/common/codec.h"
#include "support/test_support.h"

namespace kvor {
namespace {

template <class Entry>
std::vector<std::string> Codes(const std::vector<const Entry*>& rows) {
  std::vector<std::string> codes;
  for (const Entry* row : rows) codes.push_back(row->Code);
  return codes;
}

using CodeList = std::vector<std::string>;

TEST(IncomeDictionaryTest, BuiltInTextIsWindows1251XmlWithCrLf) {
  const std::string& text = IncomeDictionaryText();
  EXPECT_TRUE(
      text.starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<IncomeDict>"));
  EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);
  for (size_t pos = 0; (pos = text.find('\n', pos)) != std::string::npos; ++pos)
    ASSERT_EQ(text[pos - 1], '\r') << "at " << pos;
  // Windows-1251 bytes, not UTF-8: "Иные доходы".
  EXPECT_NE(text.find(test::Cp1251("Name=\"Иные доходы\"")), std::string::npos);
}

TEST(IncomeDictionaryTest, HoldsTheSeventySixIncomesInTheirOrder) {
  const CodeList order = {
      "1010", "1011", "1110", "1120", "1200", "1201", "1202", "1203", "1211", "1212", "1213",
      "1214", "1220", "1230", "1240", "1300", "1301", "1400", "1510", "1511", "1520", "1530",
      "1536", "1531", "1532", "1535", "1533", "1537", "1538", "1539", "1541", "1540", "1550",
      "2000", "2001", "2010", "2012", "2201", "2202", "2203", "2204", "2205", "2206", "2207",
      "2208", "2209", "2210", "2300", "2400", "2510", "2520", "2530", "2610", "2620", "2630",
      "2640", "2641", "2710", "2720", "2730", "2740", "2750", "2760", "2761", "2762", "2770",
      "2780", "2790", "2791", "2800", "2900", "3010", "3020", "3022", "4800", "4900"};
  const IncomeDictionary& dictionary = BuiltInIncomeDictionary();
  EXPECT_EQ(Codes(dictionary.ListIncomes("", false)), order);

  size_t withDeductions = 0, saleDate = 0, nonResident = 0, deductionRows = 0;
  for (const IncomeEntry& income : dictionary.Incomes()) {
    withDeductions += income.HasDeductions();
    saleDate += income.SaleDate;
    nonResident += income.NRez13;
    deductionRows += income.Deductions.size();
    if (income.HasDeductions()) {
      // Every income that has deductions ends with the pseudo-deduction "0".
      const DeductionEntry& last = income.Deductions.back();
      EXPECT_EQ(last.Code, "0") << income.Code;
      EXPECT_EQ(last.Name, "Не предоставлять вычет");
      EXPECT_FALSE(last.Visible);
      EXPECT_TRUE(last.Enabled);
    }
  }
  EXPECT_EQ(withDeductions, 36u);
  EXPECT_EQ(saleDate, 13u);
  EXPECT_EQ(nonResident, 7u);
  EXPECT_EQ(deductionRows, 84u);
}

TEST(IncomeDictionaryTest, NamesKeepTheirOwnSpacing) {
  const IncomeDictionary& dictionary = BuiltInIncomeDictionary();
  EXPECT_EQ(dictionary.FindIncome("2610")->Name,
            "Сумма мат. выгоды за пользование заемными  средствами");
  EXPECT_EQ(dictionary.FindIncome("2740")->Name,
            "Выигрыши, в конкурсах, проводимых  в целях рекламы (п.28 ст.217 НК)");
  EXPECT_EQ(dictionary.FindDeduction("1510", "903")->Name,
            "В сумме документально подтвержденных расходов ");
  EXPECT_EQ(dictionary.FindDeduction("1550", "314")->Name,
            "В сумме документально подтвержденных расходов ");
  EXPECT_EQ(dictionary.FindDeduction("1540", "315")->Name,
            "В сумме документально подтвержденных расходов");
  EXPECT_EQ(dictionary.FindDeduction("1010", "601")->Stav, " ");
}

struct IncomeFilterCase {
  const char* rate;
  bool nonResident13;
  CodeList expected;  // empty: check only the count
  size_t count;
};

class IncomeFilterTest : public testing::TestWithParam<IncomeFilterCase> {};

TEST_P(IncomeFilterTest, ListsTheIncomesOfTheRate) {
  const IncomeFilterCase& c = GetParam();
  CodeList codes = Codes(BuiltInIncomeDictionary().ListIncomes(c.rate, c.nonResident13));
  if (!c.expected.empty()) {
    EXPECT_EQ(codes, c.expected);
  }
  EXPECT_EQ(codes.size(), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, IncomeFilterTest,
    testing::Values(
        IncomeFilterCase{"13", true, {"2000", "2001", "2010", "2012", "2300", "2530", "2791"}, 7},
        IncomeFilterCase{"35", false, {"2610", "2620", "2740", "3020", "3022"}, 5},
        IncomeFilterCase{"13", false, {}, 68},
        // Rate 9 incomes are offered only by an unfiltered picker.
        IncomeFilterCase{"9", false, {"1010", "1110", "1120"}, 3},
        // Without a rate filter the non-resident filter is not applied.
        IncomeFilterCase{"", true, {}, 76},
        // The rate is compared as text.
        IncomeFilterCase{" 13", false, {}, 0}, IncomeFilterCase{"35", true, {}, 0}));

struct DeductionListCase {
  const char* income;
  bool fullList;
  CodeList expected;
};

class DeductionListTest : public testing::TestWithParam<DeductionListCase> {};

TEST_P(DeductionListTest, ListsTheDeductionsOfTheIncome) {
  const DeductionListCase& c = GetParam();
  EXPECT_EQ(Codes(BuiltInIncomeDictionary().ListDeductions(c.income, c.fullList)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DeductionListTest,
    testing::Values(DeductionListCase{"2202", true, {"404", "405", "0"}},
                    DeductionListCase{"1510", true, {"901", "903", "0"}},
                    // The restricted list keeps codes beginning with "20" or "5", and "0".
                    DeductionListCase{"1537", false, {"0"}},
                    DeductionListCase{"1533", false, {"0"}},
                    DeductionListCase{"1530", false, {"201", "0"}},
                    DeductionListCase{"1535", false, {"207", "0"}},
                    DeductionListCase{"2720", false, {"501", "0"}},
                    DeductionListCase{"2202", false, {"0"}}, DeductionListCase{"4800", true, {}},
                    DeductionListCase{"9999", true, {}}, DeductionListCase{"", true, {}}));

TEST(IncomeDictionaryTest, DeductionAttributes) {
  const IncomeDictionary& dictionary = BuiltInIncomeDictionary();
  const DeductionEntry* norm = dictionary.FindDeduction("2202", "405");
  ASSERT_TRUE(norm);
  EXPECT_EQ(norm->NormPercent(), 30);
  EXPECT_FALSE(norm->Enabled);
  EXPECT_TRUE(norm->Visible);
  EXPECT_EQ(norm->Name, "В пределах норматива затрат");
  EXPECT_EQ(dictionary.FindDeduction("2206", "405")->NormPercent(), 25);
  EXPECT_EQ(dictionary.FindDeduction("2203", "405")->NormPercent(), 40);

  const DeductionEntry* birth = dictionary.FindDeduction("2762", "508");
  EXPECT_EQ(birth->MaxSum, Money());
  EXPECT_FALSE(birth->Equivalent);
  EXPECT_EQ(birth->NormPercent(), 0);

  struct Cap {
    const char* income;
    const char* deduction;
    int64_t roubles;
    bool equivalent;
    bool enabled;
  } caps[] = {{"1510", "901", 1000000, true, false}, {"1511", "904", 1000000, false, true},
              {"1520", "906", 250000, false, true},  {"2720", "501", 4000, true, true},
              {"2730", "502", 4000, true, true},     {"2760", "503", 4000, true, true},
              {"2770", "504", 4000, true, true},     {"2740", "505", 4000, true, true},
              {"2761", "506", 4000, true, true},     {"2790", "507", 10000, true, true}};
  for (const Cap& cap : caps) {
    const DeductionEntry* entry = dictionary.FindDeduction(cap.income, cap.deduction);
    ASSERT_TRUE(entry) << cap.deduction;
    EXPECT_EQ(entry->MaxSum, Money::Roubles(cap.roubles)) << cap.deduction;
    EXPECT_EQ(entry->Equivalent, cap.equivalent) << cap.deduction;
    EXPECT_EQ(entry->Enabled, cap.enabled) << cap.deduction;
  }
  EXPECT_EQ(dictionary.FindDeduction("2202", "601"), nullptr);
  EXPECT_EQ(dictionary.FindDeduction("9999", "0"), nullptr);
}

TEST(IncomeDictionaryTest, PickerResults) {
  const IncomeDictionary& dictionary = BuiltInIncomeDictionary();
  const IncomeEntry* dividends = dictionary.FindIncome(1010);
  ASSERT_TRUE(dividends);
  // Without a filter the rate is the income's own; with one it is the filter's.
  EXPECT_EQ(PickedIncomeRate(*dividends, ""), 9);
  EXPECT_EQ(PickedIncomeRate(*dictionary.FindIncome(2000), "13"), 13);
  EXPECT_EQ(PickedIncomeRate(*dictionary.FindIncome(2000), ""), 13);
  EXPECT_TRUE(dictionary.FindIncome(1530)->SaleDate);
  EXPECT_FALSE(dictionary.FindIncome(1540)->SaleDate);
  EXPECT_EQ(dictionary.FindIncome(0), nullptr);

  auto rows = dictionary.ListIncomes("35", false);
  EXPECT_EQ(PickerRow(rows, "2740"), 2u);
  EXPECT_EQ(PickerRow(rows, "2000"), 0u);  // not listed: the first row
  EXPECT_EQ(PickerRow(rows, ""), 0u);
  auto deductions = dictionary.ListDeductions("2202", true);
  EXPECT_EQ(PickerRow(deductions, "0"), 2u);
  EXPECT_EQ(PickerRow(dictionary.ListDeductions("4800", true), "0"), std::nullopt);
}

struct SumCase {
  const char* income;
  const char* deduction;
  std::optional<Money> incomeSum;
  std::optional<Money> expected;
};

class ComputedDeductionSumTest : public testing::TestWithParam<SumCase> {};

TEST_P(ComputedDeductionSumTest, FollowsTheAttributes) {
  const SumCase& c = GetParam();
  const DeductionEntry* entry = BuiltInIncomeDictionary().FindDeduction(c.income, c.deduction);
  ASSERT_TRUE(entry);
  EXPECT_EQ(ComputedDeductionSum(*entry, c.incomeSum), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ComputedDeductionSumTest,
    testing::Values(
        // 30 % of 1234.57 = 370.371, rounded half up to kopecks.
        SumCase{"2202", "405", Money::Kopecks(123457), Money::Kopecks(37037)},
        // 20 % of 0.03 = 0.006 -> 0.01; 25 % of 0.02 = 0.005 -> 0.01 (a half rounds up).
        SumCase{"2201", "405", Money::Kopecks(3), Money::Kopecks(1)},
        SumCase{"2206", "405", Money::Kopecks(2), Money::Kopecks(1)},
        SumCase{"2202", "405", std::nullopt, Money()},
        // Equivalent: the income, held within the cap.
        SumCase{"2720", "501", Money::Roubles(3000), Money::Roubles(3000)},
        SumCase{"2720", "501", Money::Roubles(5000), Money::Roubles(4000)},
        SumCase{"1510", "901", Money::Roubles(1500000), Money::Roubles(1000000)},
        SumCase{"2790", "507", Money::Kopecks(999999), Money::Kopecks(999999)},
        SumCase{"2790", "507", std::nullopt, Money()},
        // Typed by the user.
        SumCase{"2010", "403", Money::Roubles(100), std::nullopt},
        SumCase{"2762", "508", Money::Roubles(100000), std::nullopt},
        SumCase{"1510", "0", Money::Roubles(100), std::nullopt}));

TEST(IncomeDictionaryTest, TypedSumsAreHeldWithinAPositiveCap) {
  EXPECT_EQ(CapDeductionSum(Money::Roubles(300000), Money::Roubles(250000)),
            Money::Roubles(250000));
  EXPECT_EQ(CapDeductionSum(Money::Roubles(200000), Money::Roubles(250000)),
            Money::Roubles(200000));
  EXPECT_EQ(CapDeductionSum(Money::Roubles(900000), Money()), Money::Roubles(900000));
}

TEST(IncomeDictionaryTest, NamedCodeSets) {
  struct Case {
    int32_t code;
    bool exemptionOrSecurities, securities;
  } incomes[] = {{1530, true, true},   {1534, true, false},  {1541, true, true},
                 {9537, true, true},   {9538, true, true},   {2720, true, false},
                 {2790, true, false},  {1540, false, false}, {2791, false, false},
                 {2000, false, false}, {0, false, false}};
  for (const Case& c : incomes) {
    EXPECT_EQ(IsExemptionOrSecuritiesIncome(c.code), c.exemptionOrSecurities) << c.code;
    EXPECT_EQ(IsSecuritiesIncome(c.code), c.securities) << c.code;
  }
  for (int32_t code : {201, 202, 203, 206, 207, 211, 213, 215, 620}) {
    EXPECT_TRUE(IsSecuritiesExpense(code, IncomeDialog::ThirteenPercent)) << code;
    EXPECT_TRUE(IsSecuritiesExpense(code, IncomeDialog::NonResidentThirteenPercent)) << code;
  }
  for (int32_t code : {218, 219, 220}) {
    EXPECT_TRUE(IsSecuritiesExpense(code, IncomeDialog::ThirteenPercent)) << code;
    EXPECT_FALSE(IsSecuritiesExpense(code, IncomeDialog::NonResidentThirteenPercent)) << code;
  }
  for (int32_t code : {0, 204, 501, 903})
    EXPECT_FALSE(IsSecuritiesExpense(code, IncomeDialog::ThirteenPercent)) << code;
  EXPECT_TRUE(IsAgriculturalIncome(2791));
  EXPECT_FALSE(IsAgriculturalIncome(2790));
}

TEST(IncomeDictionaryTest, ReadsBooleansStrictlyAndRefusesBrokenText) {
  auto parsed = IncomeDictionary::Parse(
      "<IncomeDict><Income Stav=\"13\" Code=\"1\" Name=\"a\" SaleDate=\"true\" NRez13=\"True\">"
      "<Deduction Code=\"2\" Name=\"b\" Stav=\" 15 \" Visible=\"TRUE\" Enabled=\"True\"/>"
      "</Income></IncomeDict>");
  ASSERT_TRUE(parsed.Ok()) << parsed.Error;
  const IncomeEntry& income = parsed.Value->Incomes()[0];
  EXPECT_FALSE(income.SaleDate);
  EXPECT_TRUE(income.NRez13);
  EXPECT_FALSE(income.Deductions[0].Visible);
  EXPECT_TRUE(income.Deductions[0].Enabled);
  EXPECT_FALSE(income.Deductions[0].Equivalent);  // missing attribute
  EXPECT_EQ(income.Deductions[0].NormPercent(), 15);

  auto broken = IncomeDictionary::Parse("<IncomeDict><Income Stav=\"13\" Code=\"1\" Name=\"a\">");
  EXPECT_FALSE(broken.Ok());
  EXPECT_EQ(broken.Error,
            "Справочник «встроенный справочник доходов» повреждён: ошибка XML в строке 1: "
            "закрывающий тег не соответствует открывающему.");
  auto badCap = IncomeDictionary::Parse(
      "<IncomeDict>\n<Income Stav=\"13\" Code=\"1\" Name=\"a\">\n"
      "<Deduction Code=\"2\" MaxSum=\"много\"/></Income></IncomeDict>");
  EXPECT_EQ(badCap.Error,
            "Справочник «встроенный справочник доходов» повреждён: запись 1 (строка 3): неверная "
            "предельная сумма вычета.");
}

}  // namespace
}  // namespace kvor
