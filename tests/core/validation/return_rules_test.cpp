#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/model/declaration.h"
#include "core/validation/return_check.h"
#include "support/test_returns.h"

namespace kvor {
namespace {

// A finding without its title (the titles are checked once, by section).
struct Found {
  uint16_t section;
  uint16_t field;
  std::string message;
  friend bool operator==(const Found&, const Found&) = default;
};

void PrintTo(const Found& found, std::ostream* os) {
  *os << "{" << found.section << ", " << found.field << ", \"" << found.message << "\"}";
}

Date Day(int year, int month, int day) {
  return *Date::FromYMD(year, month, day);
}

// 30 000 a month in each of `months`, 13 % of it withheld.
mTThirteenPercent Employer(const std::vector<uint16_t>& months) {
  return test::SalaryPayer(months, 30000, 3900 * static_cast<int64_t>(months.size()));
}

mTCurrencyIncome ForeignIncome() {
  mTCurrencyIncome income;
  income.IncomeCode = 1010;
  income.CurrencyCode = "840";
  income.CurrencyUnits = 1;
  income.CurrencyExchange = Money::Kopecks(3565);
  income.IncomeCurrencySum = Money::Roubles(1000);
  return income;
}

// An entrepreneur's activity with documented expenses that add up.
mTBusinessNew Activity(const char* kind) {
  mTBusinessNew activity;
  activity.ActivityKind = kind;
  activity.OKVED = "47.11";
  activity.IsConfirmedExpensies = 1;
  activity.IncomeSum = Money::Roubles(500);
  activity.MaterialExpense = Money::Roubles(30);
  activity.Amortization = Money::Roubles(20);
  activity.LabourExpense = Money::Roubles(40);
  activity.LabourContractExpense = Money::Roubles(40);
  activity.OtherExpense = Money::Roubles(10);
  activity.OtherExpenseParts[0] = Money::Roubles(10);
  activity.TotalExpense = Money::Roubles(100);
  return activity;
}

// A return that passes every rule: a resident with a valid INN, a passport, an address, and one
// employer at 13 %.
mTDeclaration CompleteReturn() {
  mTDeclaration d;
  d.PrepareNew();
  test::FillCheckedTaxpayer(d);
  mTPersonInformation& p = d.PersonInformation;
  p.DocTypeCode = 21;
  p.DocSerial = "45 00 123456";
  p.BirthDate = Day(1977, 1, 1);
  p.DocIssueDate = Day(2005, 5, 15);
  p.DocIssuedBy = "ОВД Тверской";
  p.PostIndex = "125009";
  p.City = "Москва";
  p.OKTMO = "45382000";
  d.Incomes13.push_back(Employer({1, 2, 3}));
  return d;
}

std::vector<ReturnFinding> Walk(const mTDeclaration& d, bool refundOnly) {
  std::vector<ReturnFinding> findings;
  WalkReturnRules(d, refundOnly, [&](const ReturnFinding& finding) {
    findings.push_back(finding);
    return true;
  });
  return findings;
}

std::vector<Found> Messages(const std::vector<ReturnFinding>& findings) {
  std::vector<Found> found;
  for (const ReturnFinding& f : findings) found.push_back({f.Section, f.Field, f.Message});
  return found;
}

const char* const kPlaceOfBirth = "Не указано место рождения";
const char* const kNoDocument = "Не указан документ, удостоверяющий личность";
const char* const kFourteen =
    "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет";
const char* const kIssuedBeforeBirth = "Дата выдачи документа не может быть меньше даты рождения";
const char* const kNoOktmoAtHome = "Не введен код ОКТМО(8 или 11 симв.) по месту жительства";
const char* const kNoDeductionSum = "По данному источнику выплаты не указана сумма вычета";
const char* const kMonthClash =
    "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.";

TEST(ReturnRulesTest, CompleteReturnPasses) {
  EXPECT_EQ(Messages(Walk(CompleteReturn(), false)), std::vector<Found>{});
}

TEST(ReturnRulesTest, NewReturnInRuleOrder) {
  mTDeclaration d;
  d.PrepareNew();
  const std::vector<Found> expected = {
      {1, 1, "Не введен номер инспекции"},
      {2, 1, "Не введена фамилия"},
      {2, 2, "Не введено имя"},
      {2, 9, kPlaceOfBirth},
      {2, 5, kNoDocument},
      {3, 2, "Не указан регион постоянного местожительства"},
      {3, 5, "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"},
      {3, 4, kNoOktmoAtHome},
  };
  EXPECT_EQ(Messages(Walk(d, false)), expected);
  // With nothing to pay the OKTMO of the place of residence may stay empty.
  std::vector<Found> refund(expected.begin(), expected.end() - 1);
  EXPECT_EQ(Messages(Walk(d, true)), refund);
}

TEST(ReturnRulesTest, TitlesBySection) {
  mTDeclaration d;
  d.PrepareNew();
  d.ConfirmKind = 2;
  d.SetIncomeFlags(kIncomeInCountry | kIncomeForeign | kIncomeBusiness);
  d.Incomes13.push_back(mTThirteenPercent{});
  d.CurrencyIncomes.push_back(mTCurrencyIncome{});
  d.BusinessIncomes.push_back(mTBusinessNew{});
  d.BusinessIncomes[0].ActivityKind = activity_kind::kEntrepreneur;
  d.SocialDeduct.Claimed = 1;
  d.StandartDeduct.Claimed = 0;
  std::vector<ReturnFinding> findings = Walk(d, false);
  std::map<std::pair<int, int>, std::string> titles;
  for (const ReturnFinding& f : findings)
    titles[{f.Section, f.Section == 9 ? f.Field : 0}] = f.Title;
  std::map<std::pair<int, int>, std::string> expected = {
      {{1, 0}, "Задание условий"},       {{2, 0}, "Сведения о декларанте"},
      {{3, 0}, "Сведения о декларанте"}, {{4, 0}, "Доходы, облагаемые ставкой 13%"},
      {{7, 0}, "Доходы в валюте"},       {{8, 0}, "Доходы от предпринимательской деятельности"},
      {{9, 1}, "Социальные вычеты"},
  };
  EXPECT_EQ(titles, expected);

  d.SetIncomeFlags(kIncomeInCountry);
  d.SocialDeduct.Claimed = 0;
  d.StandartDeduct.Claimed = 1;
  d.Incomes13 = {Employer({3}), Employer({3})};
  findings = Walk(d, false);
  ASSERT_FALSE(findings.empty());
  EXPECT_EQ(findings.back().Title, "Сведения о декларанте");
  EXPECT_EQ(findings[findings.size() - 2].Title, "Стандартные вычеты");
}

struct RuleCase {
  const char* what;
  std::function<void(mTDeclaration&)> change;
  std::vector<Found> found;
  bool refundOnly = false;
};

class ReturnRuleCaseTest : public testing::TestWithParam<RuleCase> {};

TEST_P(ReturnRuleCaseTest, FindsExactlyThese) {
  mTDeclaration d = CompleteReturn();
  GetParam().change(d);
  EXPECT_EQ(Messages(Walk(d, GetParam().refundOnly)), GetParam().found) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ReturnRuleCaseTest,
    testing::Values(RuleCase{"representative who is a person, blank name and document",
                             [](mTDeclaration& d) {
                               d.ConfirmKind = 1;
                               d.RepresentativeName = "  ";
                             },
                             {{1, 3, "Не указаны ФИО подписанта-представителя"},
                              {1, 4,
                               "Не указан документ, подтверждающий полномочия представителя"}}},
                    RuleCase{"representing organisation without a name",
                             [](mTDeclaration& d) {
                               d.ConfirmKind = 2;
                               d.RepresentativeName = "Петров П.П.";
                               d.RepresentativeDocument = "Доверенность 1";
                             },
                             {{1, 5, "Не указано наименование Юр.лица-представителя"}}},
                    RuleCase{"representative fields do not matter when signing in person",
                             [](mTDeclaration& d) { d.ConfirmKind = 0; },
                             {}}));

INSTANTIATE_TEST_SUITE_P(
    Taxpayer, ReturnRuleCaseTest,
    testing::Values(
        RuleCase{"no INN: the place of birth before the document",
                 [](mTDeclaration& d) {
                   d.PersonInformation.INN = "";
                   d.PersonInformation.BirthPlace = " ";
                   d.PersonInformation.DocTypeCode = 0;
                 },
                 {{2, 9, kPlaceOfBirth}, {2, 5, kNoDocument}}},
        RuleCase{"no INN, with place of birth and document",
                 [](mTDeclaration& d) {
                   d.PersonInformation.INN = "";
                   d.PersonInformation.BirthPlace = "г. Москва";
                 },
                 {}},
        RuleCase{"an INN of blanks is no INN",
                 [](mTDeclaration& d) {
                   d.PersonInformation.INN = "   ";
                   d.PersonInformation.DocTypeCode = 0;
                 },
                 {{2, 9, kPlaceOfBirth}, {2, 5, kNoDocument}}},
        RuleCase{"an organisation's INN for the taxpayer",
                 [](mTDeclaration& d) { d.PersonInformation.INN = "1234567894"; },
                 {{2, 4, "Длинна ИНН должна быть равна 12 цифрам"}}},
        RuleCase{"wrong check digits",
                 [](mTDeclaration& d) { d.PersonInformation.INN = "123456789048"; },
                 {{2, 4, "Номер ИНН введен неверно"}}},
        RuleCase{"an entrepreneur needs an INN",
                 [](mTDeclaration& d) {
                   d.PersonInformation.INN = "";
                   d.PersonInformation.BirthPlace = "г. Москва";
                   d.TaxpayerKind = 0;
                 },
                 {{2, 4,
                   "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести "
                   "ИНН"}}},
        RuleCase{"business income needs an INN",
                 [](mTDeclaration& d) {
                   d.PersonInformation.INN = "";
                   d.PersonInformation.BirthPlace = "г. Москва";
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeBusiness);
                 },
                 {{2, 4,
                   "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести "
                   "ИНН"}}},
        RuleCase{"document without series, issuer, issued before birth",
                 [](mTDeclaration& d) {
                   d.PersonInformation.DocSerial = "";
                   d.PersonInformation.DocIssuedBy = "";
                   d.PersonInformation.DocIssueDate = Day(1976, 12, 31);
                 },
                 {{2, 6, "Не указаны серия и номер документа, удостоверяющего личность"},
                  {2, 7, kIssuedBeforeBirth},
                  {2, 8, "Не указано, кем выдан документ, удостоверяющий личность"}}},
        RuleCase{"no document: its fields are not looked at",
                 [](mTDeclaration& d) {
                   d.PersonInformation.DocTypeCode = 0;
                   d.PersonInformation.DocSerial = "";
                   d.PersonInformation.DocIssuedBy = "";
                   d.PersonInformation.DocIssueDate = Day(1900, 1, 1);
                 },
                 {}}));

// The fourteenth birthday of someone born on 29 February is 28 February.
struct FourteenCase {
  Date birth;
  Date issued;
  uint16_t docType;
  std::vector<Found> found;
};

class FourteenYearsTest : public testing::TestWithParam<FourteenCase> {};

TEST_P(FourteenYearsTest, IssueDateAgainstTheFourteenthBirthday) {
  mTDeclaration d = CompleteReturn();
  d.PersonInformation.BirthDate = GetParam().birth;
  d.PersonInformation.DocIssueDate = GetParam().issued;
  d.PersonInformation.DocTypeCode = GetParam().docType;
  EXPECT_EQ(Messages(Walk(d, false)), GetParam().found)
      << GetParam().birth.Days << " " << GetParam().issued.Days;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FourteenYearsTest,
    testing::Values(FourteenCase{Day(2000, 2, 29), Day(2014, 2, 28), 21, {}},
                    FourteenCase{Day(2000, 2, 29), Day(2014, 2, 27), 21, {{2, 7, kFourteen}}},
                    FourteenCase{Day(2000, 2, 29), Day(2014, 2, 27), 7, {{2, 7, kFourteen}}},
                    FourteenCase{Day(2000, 2, 29), Day(2014, 2, 27), 8, {{2, 7, kFourteen}}},
                    FourteenCase{Day(2000, 2, 29), Day(2014, 2, 27), 24, {{2, 7, kFourteen}}},
                    // A birth certificate or a foreign passport may be issued at any age.
                    FourteenCase{Day(2000, 2, 29), Day(2000, 3, 10), 3, {}},
                    FourteenCase{Day(2000, 2, 29), Day(2000, 3, 10), 10, {}},
                    FourteenCase{Day(1980, 2, 29), Day(1994, 2, 28), 21, {}},
                    FourteenCase{Day(1977, 6, 15), Day(1991, 6, 15), 21, {}},
                    FourteenCase{Day(1977, 6, 15), Day(1991, 6, 14), 21, {{2, 7, kFourteen}}},
                    // A time of day on the birthday itself is on the birthday.
                    FourteenCase{Day(1977, 6, 15), Date{Day(1991, 6, 15).Days + 0.5}, 21, {}},
                    FourteenCase{
                        Day(2000, 2, 29), Day(2000, 2, 28), 21, {{2, 7, kIssuedBeforeBirth}}},
                    // Fourteen years on is beyond the calendar: the issue date cannot show them.
                    FourteenCase{Day(9990, 1, 1), Day(9995, 1, 1), 21, {{2, 7, kFourteen}}},
                    // Dates no calendar names, as a damaged file may hold them.
                    FourteenCase{Date{1e18}, Date{2e18}, 21, {{2, 7, kFourteen}}},
                    FourteenCase{Date{-1e18}, Day(2005, 5, 15), 21, {{2, 7, kFourteen}}},
                    FourteenCase{Date{std::nan("")}, Day(2005, 5, 15), 21, {{2, 7, kFourteen}}}));

INSTANTIATE_TEST_SUITE_P(
    Address, ReturnRuleCaseTest,
    testing::Values(
        RuleCase{"address faults",
                 [](mTDeclaration& d) {
                   d.PersonInformation.RegionCode = 0;
                   d.PersonInformation.PostIndex = "12345";
                   d.PersonInformation.Street = "";
                 },
                 {{3, 2, "Не указан регион постоянного местожительства"},
                  {3, 6, "Почтовый индекс должен содержать ровно 6 цифр"},
                  {3, 5,
                   "Не указан населенный пункт (село, поселок) или улица (проспект, "
                   "переулок)"}}},
        RuleCase{"locality without street, no postcode",
                 [](mTDeclaration& d) {
                   d.PersonInformation.PostIndex = "";
                   d.PersonInformation.Street = "";
                   d.PersonInformation.Locality = "д. Горки";
                 },
                 {}},
        RuleCase{"OKTMO of a wrong length",
                 [](mTDeclaration& d) { d.PersonInformation.OKTMO = " 4538200 "; },
                 {{3, 4, "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов"}}},
        RuleCase{"OKTMO of 11 characters",
                 [](mTDeclaration& d) { d.PersonInformation.OKTMO = "45382000001"; },
                 {}},
        RuleCase{"no OKTMO with tax to pay",
                 [](mTDeclaration& d) { d.PersonInformation.OKTMO = "  "; },
                 {{3, 4, kNoOktmoAtHome}}},
        RuleCase{"no OKTMO, refund only",
                 [](mTDeclaration& d) { d.PersonInformation.OKTMO = ""; },
                 {},
                 true}));

// 4-NDFL asks for the OKTMO with the taxpayer's name and never looks at the address.
INSTANTIATE_TEST_SUITE_P(EstimatedIncome, ReturnRuleCaseTest,
                         testing::Values(RuleCase{"4-NDFL without OKTMO, INN and address",
                                                  [](mTDeclaration& d) {
                                                    d.DeclarationType = kDeclaration4NDFL;
                                                    d.PersonInformation.INN = "";
                                                    d.PersonInformation.BirthPlace = "г. Москва";
                                                    d.PersonInformation.OKTMO = "";
                                                    d.PersonInformation.RegionCode = 0;
                                                    d.PersonInformation.Street = "";
                                                  },
                                                  {{2, 4, "Не указан ИНН"},
                                                   {2, 10, "Не введен код ОКТМО(8 или 11 симв.)"}}},
                                         RuleCase{"4-NDFL with an OKTMO of a wrong length",
                                                  [](mTDeclaration& d) {
                                                    d.DeclarationType = kDeclaration4NDFL;
                                                    d.PersonInformation.OKTMO = "4538200";
                                                  },
                                                  {{2, 10, "Не введен код ОКТМО(8 или 11 симв.)"}}},
                                         RuleCase{"4-NDFL complete",
                                                  [](mTDeclaration& d) {
                                                    d.DeclarationType = kDeclaration4NDFL;
                                                  },
                                                  {}}));

INSTANTIATE_TEST_SUITE_P(
    Income13, ReturnRuleCaseTest,
    testing::Values(
        RuleCase{"each rule over all payers before the next",
                 [](mTDeclaration& d) {
                   d.Incomes13.push_back(Employer({}));
                   d.Incomes13.push_back(Employer({4}));
                   d.Incomes13[2].HoldSum = d.Incomes13[2].ItogIncomeSum + Money::FromRaw(1);
                 },
                 {{4, 3, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы"},
                  {4, 2, "По данному источнику не указаны доходы"}}},
        RuleCase{"tax withheld equal to the income",
                 [](mTDeclaration& d) { d.Incomes13[0].HoldSum = d.Incomes13[0].ItogIncomeSum; },
                 {}},
        RuleCase{"payers are not looked at without income in the country",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeForeign);
                   d.Incomes13.push_back(Employer({}));
                   d.CurrencyIncomes.push_back(ForeignIncome());
                 },
                 {}}));

mTCurrencyIncome Deducted(int32_t incomeCode) {
  mTCurrencyIncome income = ForeignIncome();
  income.IncomeCode = incomeCode;
  income.SubtractCode = 201;
  return income;
}

INSTANTIATE_TEST_SUITE_P(
    Currency, ReturnRuleCaseTest,
    testing::Values(
        RuleCase{"each rule over all records before the next",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeForeign);
                   d.CurrencyIncomes = {ForeignIncome(), ForeignIncome(), ForeignIncome()};
                   d.CurrencyIncomes[0].CurrencyExchange = Money();
                   d.CurrencyIncomes[0].IncomeCurrencySum = Money();
                   d.CurrencyIncomes[1].CurrencyCode = "";
                   d.CurrencyIncomes[1].IncomeCode = 0;
                   d.CurrencyIncomes[2].CurrencyUnits = 0;
                   d.CurrencyIncomes[2].SubtractCode = 201;
                 },
                 {{7, 2, "По данному источнику выплаты не указан код валюты"},
                  {7, 1, "По данному источнику выплаты не указан курс валюты"},
                  {7, 3, "По данному источнику выплаты не указан курс валюты"},
                  {7, 2, "По данному источнику выплаты не указан код дохода"},
                  {7, 1, "По данному источнику выплаты не указана сумма дохода"},
                  {7, 3, kNoDeductionSum}}},
        RuleCase{"deductions of the listed codes need no sum",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeForeign);
                   for (int32_t code :
                        {1530, 1531, 1532, 1533, 1535, 1536, 1537, 1538, 1539, 1541, 9537, 9538})
                     d.CurrencyIncomes.push_back(Deducted(code));
                 },
                 {}},
        RuleCase{"deductions of other codes do",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeForeign);
                   for (int32_t code : {1010, 1534, 1540, 1530})
                     d.CurrencyIncomes.push_back(Deducted(code));
                   d.CurrencyIncomes.push_back(Deducted(1010));
                   d.CurrencyIncomes.back().SubtractSum = Money::Roubles(10);
                 },
                 {{7, 1, kNoDeductionSum}, {7, 2, kNoDeductionSum}, {7, 3, kNoDeductionSum}}}));

INSTANTIATE_TEST_SUITE_P(
    Business, ReturnRuleCaseTest,
    testing::Values(
        RuleCase{"each activity through all its rules before the next",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeBusiness);
                   d.BusinessIncomes = {Activity("1"), Activity("5"), Activity("1")};
                   d.BusinessIncomes[0].OKVED = " 1.1 ";
                   d.BusinessIncomes[1].IsConfirmedExpensies = 0;
                   d.BusinessIncomes[1].LabourContractExpense = Money::Roubles(50);
                   d.BusinessIncomes[2].LabourContractExpense = Money::Roubles(50);
                   d.BusinessIncomes[2].TotalExpense = Money::Roubles(90);
                   d.BusinessIncomes[2].OtherExpense = Money::FromRaw(12345000);
                   d.BusinessIncomes[2].OtherExpenseParts[0] = Money::Roubles(1000);
                   d.BusinessIncomes[2].OtherExpenseParts[12] = Money::Kopecks(50025);
                 },
                 {{8, 1, "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"},
                  {8, 2,
                   "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом "
                   "20%."},
                  {8, 3,
                   "Расходы по оплате трудовых договоров(50) превышают сумму расходов на "
                   "оплату труда (40)"},
                  {8, 3, "Сумма прочих расходов (1234,5) меньше суммы ее составляющих (1500,25)"},
                  {8, 3,
                   "Общие расходы (90) меньше суммы расходов материальных, на оплату труда, "
                   "прочих и амортизационных отчислений (1324,5)"}}},
        RuleCase{"the first entrepreneur or farm activity sets the kind of expenses",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeBusiness);
                   d.BusinessIncomes = {Activity("2"), Activity("5"), Activity("1"), Activity("1"),
                                        Activity("3")};
                   d.BusinessIncomes[0].IsConfirmedExpensies = 0;
                   d.BusinessIncomes[1].IsConfirmedExpensies = 0;
                   d.BusinessIncomes[2].OKVED = "..";
                 },
                 {{8, 3,
                   "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом "
                   "20%."},
                  {8, 3, "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"},
                  {8, 4,
                   "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом "
                   "20%."}}},
        RuleCase{"expenses on the norm are not added up; a notary needs no code",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeBusiness);
                   d.BusinessIncomes = {Activity("1"), Activity("2")};
                   d.BusinessIncomes[0].IsConfirmedExpensies = 0;
                   d.BusinessIncomes[0].TotalExpense = Money();
                   d.BusinessIncomes[1].OKVED = "";
                 },
                 {}},
        RuleCase{"sums beyond the range of one amount",
                 [](mTDeclaration& d) {
                   d.SetIncomeFlags(kIncomeInCountry | kIncomeBusiness);
                   d.BusinessIncomes = {Activity("1")};
                   mTBusinessNew& a = d.BusinessIncomes[0];
                   a.OtherExpenseParts.fill(Money::FromRaw(INT64_MAX));
                   a.OtherExpense = Money::FromRaw(INT64_MAX);
                   a.LabourExpense = Money::FromRaw(INT64_MAX);
                   a.LabourContractExpense = Money();
                 },
                 {{8, 1,
                   "Сумма прочих расходов (922337203685477,5807) меньше суммы ее составляющих "
                   "(11990383647911208,5491)"},
                  {8, 1,
                   "Общие расходы (100) меньше суммы расходов материальных, на оплату труда, "
                   "прочих и амортизационных отчислений (1844674407371005,1614)"}}}));

INSTANTIATE_TEST_SUITE_P(
    Deductions, ReturnRuleCaseTest,
    testing::Values(RuleCase{"social deductions claimed with nothing in them",
                             [](mTDeclaration& d) { d.SocialDeduct.Claimed = 1; },
                             {{9, 1, "Не введены данные по социальным налоговым вычетам"}}},
                    RuleCase{"a child's education is something",
                             [](mTDeclaration& d) {
                               d.SocialDeduct.Claimed = 1;
                               d.SocialDeduct.AppendChildEduSum(Money::Roubles(15000));
                             },
                             {}},
                    RuleCase{"a pension contract is something",
                             [](mTDeclaration& d) {
                               d.SocialDeduct.Claimed = 1;
                               d.SocialDeduct.AddPens();
                             },
                             {}},
                    RuleCase{"no income at all: deductions are not looked at",
                             [](mTDeclaration& d) {
                               d.SetIncomeFlags(0);
                               d.SocialDeduct.Claimed = 1;
                             },
                             {}},
                    RuleCase{"two employers in March",
                             [](mTDeclaration& d) {
                               d.Incomes13.push_back(Employer({3, 4}));
                             },
                             {{9, 2, kMonthClash}}},
                    RuleCase{"three employers in one month is one finding",
                             [](mTDeclaration& d) {
                               d.Incomes13.push_back(Employer({5, 6}));
                               d.Incomes13.push_back(Employer({5}));
                             },
                             {{9, 2, kMonthClash}}},
                    RuleCase{"one employer after another",
                             [](mTDeclaration& d) {
                               d.Incomes13.push_back(Employer({4, 5, 12}));
                             },
                             {}},
                    RuleCase{"standard deductions not claimed",
                             [](mTDeclaration& d) {
                               d.StandartDeduct.Claimed = 0;
                               d.Incomes13.push_back(Employer({3}));
                             },
                             {}},
                    RuleCase{"the entrepreneur's months decide",
                             [](mTDeclaration& d) {
                               d.StandartDeduct.BusinessMonths = 1;
                               d.Incomes13.push_back(Employer({3}));
                             },
                             {}},
                    RuleCase{"business income decides",
                             [](mTDeclaration& d) {
                               d.SetIncomeFlags(kIncomeInCountry | kIncomeBusiness);
                               d.Incomes13.push_back(Employer({3}));
                             },
                             {}}));

TEST(ReturnRulesTest, VisitorEndsTheWalk) {
  mTDeclaration d;
  d.PrepareNew();
  std::vector<ReturnFinding> seen;
  WalkReturnRules(d, false, [&](const ReturnFinding& finding) {
    seen.push_back(finding);
    return seen.size() < 3;
  });
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[2].Message, "Не введено имя");
}

}  // namespace
}  // namespace kvor
