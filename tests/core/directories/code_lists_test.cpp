// The list directories: countries, currencies, document types and regions, and what every
// directory reader says about a broken file.
#include <gtest/gtest.h>

#include <set>

#include "core/directories/activity_codes.h"
#include "core/directories/countries.h"
#include "core/directories/currency_rates.h"
#include "core/directories/document_types_regions.h"
#include "core/directories/inspections.h"
#include "support/test_support.h"

namespace kvor {
namespace {

std::string ShippedFile(const std::string& name) {
  return std::string(KVOR_BIN_DIR) + "/" + name;
}

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";

TEST(CountryDirectoryTest, ShippedFileListsEveryCountryByItsOksmCode) {
  auto countries = LoadCountryDirectory(ShippedFile("Oksm.xml"));
  ASSERT_TRUE(countries.Ok()) << countries.Error;
  const std::vector<CodeName>& rows = *countries.Value;
  EXPECT_GE(rows.size(), 249u);
  std::set<std::string> codes;
  for (const CodeName& row : rows) {
    EXPECT_EQ(row.Code.size(), 3u) << row.Code;
    EXPECT_TRUE(codes.insert(row.Code).second) << "twice: " << row.Code;
    EXPECT_FALSE(row.Name.empty()) << row.Code;
  }
  struct Country {
    const char* code;
    const char* name;
  } known[] = {{"643", "РОССИЯ"},    {"040", "АВСТРИЯ"},  {"112", "БЕЛАРУСЬ"},
               {"398", "КАЗАХСТАН"}, {"276", "ГЕРМАНИЯ"}, {"792", "ТУРЦИЯ"}};
  for (const Country& country : known) {
    std::optional<size_t> row = FindCodeRow(rows, country.code);
    ASSERT_TRUE(row) << country.code;
    EXPECT_EQ(rows[*row].Name, country.name);
  }
  EXPECT_EQ(FindCodeRow(rows, "999"), std::nullopt);
}

TEST(CurrencyDirectoryTest, ShippedFileListsCurrenciesWithoutRates) {
  auto directory = LoadCurrencyDirectory(ShippedFile("CurrencyRates.xml"));
  ASSERT_TRUE(directory.Ok()) << directory.Error;
  std::set<std::string> codes;
  for (const Currency& currency : directory.Value->Currencies) {
    EXPECT_EQ(currency.Code.size(), 3u) << currency.Code;
    EXPECT_TRUE(codes.insert(currency.Code).second) << "twice: " << currency.Code;
    EXPECT_TRUE(currency.Rates.empty()) << currency.Code;
  }
  struct Known {
    const char* code;
    const char* name;
  } known[] = {{"840", "Доллар США"},        {"978", "Евро"},
               {"974", "Белорусский рубль"},  // withdrawn in 2016, in use in 2014
               {"440", "Литовский лит"},     {"398", "Тенге"},
               {"156", "Китайский юань"}};
  for (const Known& currency : known) {
    const Currency* found = FindCurrency(*directory.Value, currency.code);
    ASSERT_TRUE(found) << currency.code;
    EXPECT_EQ(found->Name, currency.name);
  }
}

CurrencyDirectory Directory(const std::string& body) {
  auto parsed = ParseCurrencyDirectory(kDeclaration + test::Cp1251(body));
  EXPECT_TRUE(parsed.Ok()) << parsed.Error;
  return parsed.Ok() ? *parsed.Value : CurrencyDirectory{};
}

TEST(CurrencyDirectoryTest, RateLookupTakesTheDayOrTheLastEarlierOneInFileOrder) {
  CurrencyDirectory directory = Directory(
      "<Rates><Currency Code=\"840\" Name=\"Доллар США\">"
      "<Rate Date=\"10.01.2014\" Rate=\"32,9474\" Quantity=\"1\"/>"
      "<Rate Date=\"15.01.2014\" Rate=\"33,4727\" Quantity=\"1\"/>"
      "</Currency><Currency Code=\"398\" Name=\"Тенге\">"
      "<Rate Date=\"20.01.2014\" Rate=\"21.4512\" Quantity=\"100\"/>"
      "<Rate Date=\"10.01.2014\" Rate=\"21.3000\" Quantity=\"100\"/>"
      "<Rate Date=\"11.01.2014\" Rate=\"21.2000\" Quantity=\"100\"/>"
      "</Currency></Rates>");
  const Currency* dollar = FindCurrency(directory, "840");
  ASSERT_TRUE(dollar);
  struct Case {
    const Currency* currency;
    int day;
    const char* expected;  // the rate's date, nullptr for none
  } cases[] = {
      {dollar, 12, "10.01.2014"},
      {dollar, 15, "15.01.2014"},
      {dollar, 31, "15.01.2014"},
      {dollar, 5, nullptr},
      // Out of date order the last earlier rate in file order wins, not the latest date.
      {FindCurrency(directory, "398"), 25, "11.01.2014"},
      {FindCurrency(directory, "398"), 20, "20.01.2014"},
  };
  for (const Case& c : cases) {
    const CurrencyRate* rate = FindRate(*c.currency, *Date::FromYMD(2014, 1, c.day));
    if (!c.expected) {
      EXPECT_EQ(rate, nullptr) << c.day;
      continue;
    }
    ASSERT_TRUE(rate) << c.day;
    EXPECT_EQ(rate->DateText, c.expected) << c.day;
  }
  // The time of day does not matter.
  Date evening = Date::FromDays(Date::FromYMD(2014, 1, 15)->Days + 0.75);
  EXPECT_EQ(FindRate(*dollar, evening)->DateText, "15.01.2014");

  const CurrencyRate& rate = dollar->Rates[1];
  EXPECT_EQ(rate.RateText, "33,4727");
  EXPECT_EQ(rate.Rate, Money::FromRaw(334727));
  EXPECT_EQ(FindCurrency(directory, "398")->Rates[0].Quantity, 100);

  EXPECT_EQ(FindCurrency(directory, ""), nullptr);
  EXPECT_EQ(FindCurrency(directory, "84"), nullptr);
}

TEST(CurrencyDirectoryTest, PickerOpensOnTheCodeOrTheFirstRow) {
  CurrencyDirectory directory = Directory(
      "<Rates><Currency Code=\"0\" Name=\"Нет\"/><Currency Code=\"036\" Name=\"Австралийский "
      "доллар\"/><Currency Code=\"840\" Name=\"Доллар США\"/></Rates>");
  std::vector<CodeName> rows = CurrencyPickerRows(directory);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (CodeName{"036", "Австралийский доллар"}));
  EXPECT_EQ(CurrencyPickerRow(rows, "840"), 2u);
  EXPECT_EQ(CurrencyPickerRow(rows, "978"), 0u);
  EXPECT_EQ(CurrencyPickerRow(rows, ""), 0u);  // "0" when none is given
  EXPECT_EQ(CurrencyPickerRow({}, "840"), std::nullopt);
}

TEST(CurrencyDirectoryTest, MergeKeepsExistingRatesAndAddsInDateOrder) {
  CurrencyDirectory directory = Directory(
      "<Rates><Currency Code=\"840\" Name=\"Доллар США\">"
      "<Rate Date=\"10.01.2014\" Rate=\"32,9474\" Quantity=\"1\"/>"
      "<Rate Date=\"15.01.2014\" Rate=\"33,4727\" Quantity=\"1\"/>"
      "</Currency></Rates>");
  auto day = [](int d) { return *Date::FromYMD(2014, 1, d); };
  RateMergeReport report = MergeRates(directory, {
                                                     {"840", "", day(15), "99,0000", "1"},
                                                     {"840", "", day(12), "33,1000", "1"},
                                                     {"840", "", day(9), "32,5000", "1"},
                                                     {"840", "", day(20), "34,0000", "1"},
                                                     {"978", "Евро", day(12), "45,0100", "1"},
                                                     {"999", "", day(12), "1", "1"},
                                                     {"840", "", day(21), "abc", "1"},
                                                 });
  EXPECT_EQ(report.Added, 4u);
  EXPECT_EQ(report.AlreadyPresent, 1u);
  EXPECT_EQ(report.SkippedCodes, (std::vector<std::string>{"999", "840"}));
  std::vector<std::string> dates;
  for (const CurrencyRate& rate : FindCurrency(directory, "840")->Rates)
    dates.push_back(rate.DateText + " " + rate.RateText);
  EXPECT_EQ(dates, (std::vector<std::string>{"09.01.2014 32,5000", "10.01.2014 32,9474",
                                             "12.01.2014 33,1000", "15.01.2014 33,4727",
                                             "20.01.2014 34,0000"}));
  ASSERT_TRUE(FindCurrency(directory, "978"));
  EXPECT_EQ(FindCurrency(directory, "978")->Name, "Евро");

  // What is written reads back the same.
  auto again = ParseCurrencyDirectory(CurrencyDirectoryToXml(directory));
  ASSERT_TRUE(again.Ok()) << again.Error;
  EXPECT_EQ(CurrencyDirectoryToXml(*again.Value), CurrencyDirectoryToXml(directory));
  EXPECT_EQ(FindRate(*FindCurrency(*again.Value, "840"), day(13))->RateText, "33,1000");
}

TEST(BuiltInListsTest, DocumentTypesAndRegionsOpenOnTheirTwoDigitCode) {
  EXPECT_EQ(DocumentTypes().size(), 14u);
  EXPECT_EQ(Regions().size(), 85u);
  EXPECT_EQ(Regions().back(),
            (CodeName{"99", "иные территории, включая город и космодром Байконур"}));
  EXPECT_EQ(DocumentTypes()[10], (CodeName{"21", "Паспорт гражданина РФ"}));
  struct Case {
    const std::vector<CodeName>& rows;
    int code;
    std::optional<size_t> row;
  } cases[] = {
      {Regions(), 5, 4u},       {Regions(), 0, 0u},         {Regions(), 99, 84u},
      {Regions(), 80, {}},      {DocumentTypes(), 0, {}},   {DocumentTypes(), 21, 10u},
      {DocumentTypes(), 3, 0u}, {DocumentTypes(), 91, 13u}, {DocumentTypes(), -1, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindCodeRow(c.rows, PickerTwoDigitCode(c.code)), c.row) << c.code;
  EXPECT_EQ(PickerTwoDigitCode(5), "05");
  EXPECT_EQ(PickerTwoDigitCode(0), "01");
  EXPECT_EQ(PickerTwoDigitCode(123), "123");
}

// Every reader of a directory file answers a broken file with a message, never a crash.
struct BrokenCase {
  const char* what;
  std::string bytes;
  std::string oksm;      // the message of the country reader
  std::string currency;  // of the currency reader, when it differs
  std::string activity;  // of the activity reader, when it differs
};

std::string Broken(const char* file, const std::string& detail) {
  return std::string("Справочник «") + file + "» повреждён: " + detail + ".";
}

TEST(DirectoryFilesTest, BrokenFilesGiveAClearMessage) {
  const BrokenCase cases[] = {
      {"empty", "", "нет корневого элемента", "", ""},
      {"not XML", "Код;Страна\r\n643;РОССИЯ\r\n", "нет корневого элемента", "", ""},
      {"cut short", kDeclaration + "<Oksm>\r\n<Country Code=\"643\">",
       "ошибка XML в строке 3: закрывающий тег не соответствует открывающему", "", ""},
      {"mismatched tags", kDeclaration + "<Oksm>\r\n<Country Code=\"643\">x</County>\r\n</Oksm>",
       "ошибка XML в строке 3: закрывающий тег не соответствует открывающему", "", ""},
      {"bad attribute", kDeclaration + "<Oksm>\r\n\r\n<Country Code=643>x</Country></Oksm>",
       "ошибка XML в строке 4: ошибка в атрибуте", "", ""},
      {"undefined Windows-1251 byte",
       kDeclaration + "<Oksm><Country Code=\"1\">\x98</Country></Oksm>",
       "Байт 0x98 не является символом кодировки Windows-1251", "", ""},
      {"UTF-8 declared, Windows-1251 written",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Oksm>\n<Country Code=\"643\">" +
           test::Cp1251("РОССИЯ") + "</Country></Oksm>",
       "текст в строке 3 не в объявленной кодировке UTF-8", "", ""},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><Oksm/>",
       "неподдерживаемая кодировка «koi8-r», ожидается Windows-1251", "", ""},
      {"UTF-16", std::string("\xFF\xFE<\0O\0/\0>\0", 10),
       "текст в кодировке UTF-16, ожидается Windows-1251", "", ""},
      {"control character", kDeclaration + "<Oksm><Country Code=\"1\">a\x01</Country></Oksm>",
       "недопустимый символ с кодом 0x01 в строке 2", "", ""},
      {"no code", kDeclaration + test::Cp1251("<Oksm>\r\n<Country>РОССИЯ</Country>\r\n</Oksm>"),
       "запись 1 (строка 3): нет атрибута Code", "запись 1 (строка 3): нет атрибута Code или Name",
       "запись 1 (строка 3): нет одного из атрибутов GRUP, Kod, OKVED, Name"},
  };
  for (const BrokenCase& c : cases) {
    auto oksm = ParseCountryDirectory(c.bytes);
    EXPECT_FALSE(oksm.Ok()) << c.what;
    EXPECT_FALSE(oksm.Missing) << c.what;
    EXPECT_EQ(oksm.Error, Broken("Oksm.xml", c.oksm)) << c.what;
    auto currency = ParseCurrencyDirectory(c.bytes);
    EXPECT_EQ(currency.Error, Broken("CurrencyRates.xml", c.currency.empty() ? c.oksm : c.currency))
        << c.what;
    auto activity = ParseActivityDirectory(c.bytes);
    EXPECT_EQ(activity.Error, Broken("Sp_OKVED2.xml", c.activity.empty() ? c.oksm : c.activity))
        << c.what;
    auto inspections = ParseInspectionDirectory(c.bytes);
    EXPECT_FALSE(inspections.Ok()) << c.what;
  }
}

TEST(DirectoryFilesTest, BrokenRatesAndLevelsAreNamed) {
  struct Case {
    std::string body;
    std::string error;
  } currencyCases[] = {
      {"<R><C Code=\"840\" Name=\"Доллар\">\r\n<Rate Date=\"32.01.2014\" Rate=\"1\" "
       "Quantity=\"1\"/></C></R>",
       "валюта 840 (строка 3): неверная дата курса «32.01.2014»"},
      {"<R><C Code=\"840\" Name=\"Доллар\">\r\n<Rate Date=\"10.01.2014\" Rate=\"1,2,3\" "
       "Quantity=\"1\"/></C></R>",
       "валюта 840 (строка 3): неверный курс «1,2,3»"},
      {"<R><C Code=\"840\" Name=\"Доллар\">\r\n<Rate Date=\"10.01.2014\" Rate=\"-1\" "
       "Quantity=\"1\"/></C></R>",
       "валюта 840 (строка 3): неверный курс «-1»"},
      {"<R><C Code=\"840\" Name=\"Доллар\">\r\n<Rate Date=\"10.01.2014\" Rate=\"1\" "
       "Quantity=\"0\"/></C></R>",
       "валюта 840 (строка 3): неверное количество единиц «0»"},
      {"<R><C Code=\"840\" Name=\"Доллар\">\r\n<Rate Date=\"10.01.2014\" Rate=\"1\"/></C></R>",
       "валюта 840 (строка 3): у курса нет атрибута Date, Rate или Quantity"},
  };
  for (const Case& c : currencyCases)
    EXPECT_EQ(ParseCurrencyDirectory(kDeclaration + test::Cp1251(c.body)).Error,
              Broken("CurrencyRates.xml", c.error));

  Case activityCases[] = {
      {"<S>\r\n<A GRUP=\"7\" Kod=\"A\" OKVED=\"A\" Name=\"x\"/></S>",
       "запись 1 (строка 3): уровень GRUP «7» не от 1 до 6"},
      {"<S>\r\n<A GRUP=\"один\" Kod=\"A\" OKVED=\"A\" Name=\"x\"/></S>",
       "запись 1 (строка 3): уровень GRUP «один» не от 1 до 6"},
  };
  for (const Case& c : activityCases)
    EXPECT_EQ(ParseActivityDirectory(kDeclaration + test::Cp1251(c.body)).Error,
              Broken("Sp_OKVED2.xml", c.error));

  auto missing = LoadCurrencyDirectory("/nonexistent/CurrencyRates.xml");
  EXPECT_TRUE(missing.Missing);
  EXPECT_EQ(missing.Error, "Справочник «CurrencyRates.xml» не найден.");
}

TEST(DirectoryFilesTest, ReadsUtf8WhenDeclaredAndIgnoresElementNames) {
  auto utf8 = ParseCountryDirectory(
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?><a><b Code=\"643\">РОССИЯ</b>"
      "<c Code=\"040\">АВСТРИЯ</c></a>");
  ASSERT_TRUE(utf8.Ok()) << utf8.Error;
  EXPECT_EQ(*utf8.Value, (std::vector<CodeName>{{"643", "РОССИЯ"}, {"040", "АВСТРИЯ"}}));
}

}  // namespace
}  // namespace kvor
