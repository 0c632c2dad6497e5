#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "cli/cli.h"
#include "cli_test_support.h"
#include "core/directories/activity_codes.h"
#include "core/directories/central_bank_rates.h"
#include "core/directories/currency_rates.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using Result = test::CliResult;
using test::RunKvor;

const char* kOkvedTable = "okved/okved2_data-20231201-structure-20180402.cp1251.csv";

// The rows of the published table by a plain split of its quoted fields, to check the built
// directory against: section, code (empty for a section row) and name.
std::vector<std::array<std::string, 3>> PublishedRows() {
  std::vector<std::array<std::string, 3>> rows;
  std::istringstream lines(test::ReadFile(test::SharedDataPath(kOkvedTable)));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    size_t first = line.find("\";\""), second = line.find("\";\"", first + 3);
    std::string code = line.substr(first + 3, second - first - 3);
    rows.push_back({line.substr(1, first - 1), code == " " ? "" : code,
                    line.substr(second + 3, line.size() - second - 4)});
  }
  return rows;
}

TEST(ImportOkvedTest, RealTableGivesSectionsAndTheirDescendants) {
  test::TempDir dir;
  Result run =
      RunKvor({"import-okved", test::SharedDataPath(kOkvedTable), dir.File("Sp_OKVED2.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Записано видов деятельности: 2899\n");
  auto directory = LoadActivityDirectory(dir.File("Sp_OKVED2.xml"));
  ASSERT_TRUE(directory.Ok()) << directory.Error;

  std::vector<std::array<std::string, 3>> published = PublishedRows();
  ASSERT_EQ(published.size(), 2899u);
  ActivityChooser chooser(*directory.Value);
  std::vector<std::string> sections = chooser.Entries(1);
  ASSERT_EQ(sections.size(), 22u);  // "нет" and the 21 sections A to U
  EXPECT_EQ(sections[1], "СЕЛЬСКОЕ, ЛЕСНОЕ ХОЗЯЙСТВО, ОХОТА, РЫБОЛОВСТВО И РЫБОВОДСТВО");

  chooser.Choose(1, 1);
  EXPECT_EQ(chooser.ShownCode(), "A");
  // Every code of section A is offered at its level, in the table's order, and nothing else.
  std::array<std::vector<std::string>, 7> expected;
  auto levelOf = [](const std::string& code) {
    switch (code.size()) {
      case 2:
        return 2;
      case 4:
        return 3;
      case 5:
        return 4;
      case 7:
        return 5;
      default:
        return 6;
    }
  };
  for (const auto& row : published)
    if (row[0] == "A" && !row[1].empty()) expected[levelOf(row[1])].push_back(row[1]);
  size_t offered = 0;
  for (int level = 2; level <= 6; ++level) {
    std::vector<std::string> codes;
    for (size_t i = 1; i < chooser.EntryCount(level); ++i)
      codes.push_back(chooser.EntryActivity(level, i)->Okved);
    EXPECT_EQ(codes, expected[level]) << "level " << level;
    offered += codes.size();
  }
  EXPECT_GT(offered, 100u);

  // Below class 01 only its own codes.
  chooser.Choose(2, 1);
  EXPECT_EQ(chooser.ShownCode(), "01");
  for (int level = 3; level <= 6; ++level)
    for (size_t i = 1; i < chooser.EntryCount(level); ++i)
      EXPECT_TRUE(chooser.EntryActivity(level, i)->Okved.starts_with("01."));
  EXPECT_GT(chooser.EntryCount(6), 1u);
}

TEST(ImportOkvedTest, BadTableWritesNothing) {
  test::TempDir dir;
  test::WriteFile(dir.File("okved.csv"), "\"A\";\"1\";\"X\"\r\n");
  Result run = RunKvor({"import-okved", dir.File("okved.csv"), dir.File("Sp_OKVED2.xml")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Таблица ОКВЭД2 не прочитана: строка 1: код «1» не похож на код ОКВЭД2.\n");
  EXPECT_EQ(test::ListFolder(dir.Path()), "okved.csv\n");
}

std::string RatesFixture(const char* name) {
  return test::FixturePath(std::string("rates/") + name);
}

TEST(ImportRatesTest, DailyAndHistoryFilesGiveTheRateBetweenThem) {
  test::TempDir dir;
  std::string directoryPath = dir.File("CurrencyRates.xml");
  test::WriteFile(directoryPath, test::ReadFile(std::string(KVOR_BIN_DIR) + "/CurrencyRates.xml"));
  Result run = RunKvor({"import-rates", directoryPath, RatesFixture("daily_10.01.2014.xml"),
                        RatesFixture("daily_15.01.2014.xml"), RatesFixture("history_R01235.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  // 8 daily rates and 2 of the history; its rate of 10.01 comes after the daily one, which stays.
  EXPECT_EQ(run.out, "Добавлено курсов: 10; уже были в справочнике: 1\n");
  EXPECT_EQ(run.err, "");

  auto directory = LoadCurrencyDirectory(directoryPath);
  ASSERT_TRUE(directory.Ok()) << directory.Error;
  struct Case {
    const char* code;
    int day;
    const char* rate;  // nullptr for none
    int64_t quantity;
  } cases[] = {
      {"840", 9, nullptr, 0},      {"840", 10, "32,6587", 1},     {"840", 12, "33,0101", 1},
      {"840", 14, "33,2202", 1},   {"840", 31, "33,4727", 1},     {"978", 12, "44,9699", 1},
      {"398", 20, "21,6500", 100}, {"974", 13, "34,3400", 10000},
  };
  for (const Case& c : cases) {
    const Currency* currency = FindCurrency(*directory.Value, c.code);
    ASSERT_TRUE(currency) << c.code;
    const CurrencyRate* rate = FindRate(*currency, *Date::FromYMD(2014, 1, c.day));
    if (!c.rate) {
      EXPECT_EQ(rate, nullptr) << c.code << " " << c.day;
      continue;
    }
    ASSERT_TRUE(rate) << c.code << " " << c.day;
    EXPECT_EQ(rate->RateText, c.rate) << c.code << " " << c.day;
    EXPECT_EQ(rate->Quantity, c.quantity) << c.code << " " << c.day;
  }
  // The directory's own name of a listed currency stays.
  EXPECT_EQ(FindCurrency(*directory.Value, "398")->Name, "Тенге");

  // A second run adds nothing and changes nothing.
  std::string before = test::ReadFile(directoryPath);
  Result again = RunKvor({"import-rates", directoryPath, RatesFixture("history_R01235.xml")});
  EXPECT_EQ(again.out, "Добавлено курсов: 0; уже были в справочнике: 3\n");
  EXPECT_EQ(test::ReadFile(directoryPath), before);
}

TEST(ImportRatesTest, StartsANewDirectoryAndRefusesBrokenFiles) {
  test::TempDir dir;
  Result fresh = RunKvor(
      {"import-rates", dir.File("CurrencyRates.xml"), RatesFixture("daily_10.01.2014.xml")});
  ASSERT_EQ(fresh.status, 0) << fresh.err;
  auto directory = LoadCurrencyDirectory(dir.File("CurrencyRates.xml"));
  ASSERT_TRUE(directory.Ok());
  ASSERT_EQ(directory.Value->Currencies.size(), 4u);
  // An unlisted currency takes the Bank's name.
  EXPECT_EQ(directory.Value->Currencies[2].Name, "Казахстанских тенге");

  std::string before = test::ReadFile(dir.File("CurrencyRates.xml"));
  test::WriteFile(dir.File("bad.xml"),
                  "<ValCurs Date=\"10.01.2014\"><Valute ID=\"R01235\">"
                  "<NumCode>840</NumCode><Nominal>1</Nominal>"
                  "<Value>много</Value></Valute></ValCurs>");
  test::WriteFile(dir.File("other.xml"), "<Rates/>");
  struct Case {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"import-rates", dir.File("CurrencyRates.xml"), dir.File("bad.xml")},
       "Файл курсов «" + dir.File("bad.xml") + "» не прочитан: строка 1: неверный курс «много».\n"},
      {{"import-rates", dir.File("CurrencyRates.xml"), dir.File("other.xml")},
       "Файл курсов «" + dir.File("other.xml") +
           "» не прочитан: это не файл курсов Банка России (нет элемента ValCurs).\n"},
      {{"import-rates", dir.File("CurrencyRates.xml")},
       "Использование: kvor import-rates СПРАВОЧНИК ФАЙЛ… — добавить в справочник валют курсы из "
       "файлов Банка России\n"},
      {{"import-rates", dir.File("bad.xml"), RatesFixture("daily_10.01.2014.xml")},
       "Справочник «bad.xml» повреждён: запись 1 (строка 1): нет атрибута Code или Name.\n"},
  };
  for (const Case& c : cases) {
    Result run = RunKvor(c.args);
    EXPECT_EQ(run.status, 2) << c.err;
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_EQ(test::ReadFile(dir.File("CurrencyRates.xml")), before);
}

TEST(ImportRatesTest, HistoryCodesComeFromDailyFilesOrTheKnownIdentifiers) {
  Date day = *Date::FromYMD(2014, 1, 10);
  std::vector<CentralBankRate> rates = {
      {"R01820", "", "", day, "30,1", "100"},  // yen: a known identifier
      {"R01999", "", "", day, "1,0", "1"},     // learnt from the daily rate below
      {"R01998", "", "", day, "1,0", "1"},     // unknown
      {"R01999", "999", "Тестовая", day, "2,0", "1"},
  };
  std::vector<std::string> unknown;
  std::vector<NewRate> result = ToDirectoryRates(rates, unknown);
  ASSERT_EQ(result.size(), 3u);
  EXPECT_EQ(result[0].Code, "392");
  EXPECT_EQ(result[1].Code, "999");
  EXPECT_EQ(result[1].Name, "Тестовая");
  EXPECT_EQ(unknown, std::vector<std::string>{"R01998"});
}

TEST(ImportSounTest, ReportsTheOutcome) {
  test::TempDir dir;
  // A table with one inspection: header of 32 bytes and its end byte, one record, the end mark.
  std::string table(33, '\0');
  table[4] = 1;
  table[8] = 33;
  std::string record(1194, ' ');
  record.replace(1, 4, "7701");
  record.replace(161, 4, "\x88\x94\x8D\x91");  // "ИФНС" in code page 866
  record[411] = '1';
  test::WriteFile(dir.File("soun1.dbf"), table + record + "\x1A");
  Result run = RunKvor({"import-soun", dir.File("soun1.dbf"), dir.File("InspectionNumbers.xml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Данные успешно импортированы. Не забудьте перезапустить программу.\nИнспекций: 1\n");
  EXPECT_NE(test::ReadFile(dir.File("InspectionNumbers.xml"))
                .find(test::Cp1251("<Inspection Code=\"7701\">ИФНС</Inspection>")),
            std::string::npos);

  Result missing = RunKvor({"import-soun", dir.File("absent.dbf"), dir.File("x.xml")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(missing.err.starts_with("Импортировать данные не удалось: Ошибка чтения файла: " +
                                      dir.File("absent.dbf")))
      << missing.err;
}

}  // namespace
}  // namespace kvor
