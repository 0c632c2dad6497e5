// The exported files against the published 3-NDFL schema (read from the shared data, never
// copied) and the 4-NDFL file against the project's structural schema. Where the schema and
// this program's rules for the file disagree, the program's rules hold: each file's complaints
// are listed, reviewed, beside its golden file (<name>.schema.txt), and every one of them must
// be one of the known disagreements.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>

#include "core/common/codec.h"
#include "core/common/json_fields.h"
#include "core/export/export_return.h"
#include "core/export/export_support.h"
#include "core/export/xml_names.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using namespace exporttest;

// The 3-NDFL schema of format 5.10 with its version enumeration set to 5.09.
const std::string kSchema3 = test::SharedDataPath("xsd/NO_NDFL3_5_09_approx.xsd");
const std::string kStructure4 = test::FixturePath("export/ndfl4_structure.xsd");

// Exports the return into the folder and returns the file's path.
std::string ExportInto(const test::TempDir& dir, const std::string& fixture) {
  mTDeclaration d = FixtureReturn(fixture);
  ExportResult result = ExportReturn(dir.Path() + "/", d, ExportMode::kFile);
  EXPECT_FALSE(result.Failed()) << result.Reason;
  return dir.File(result.Result);
}

// xmllint's complaints about the file, one per line, without the file name and line number.
std::string SchemaComplaints(const std::string& schema, const std::string& file,
                             int* status = nullptr) {
  CommandOutput run =
      RunCommand("xmllint --noout --schema " + ShellQuoted(schema) + " " + ShellQuoted(file));
  if (status) *status = run.Status;
  std::istringstream lines(run.Err);
  std::string complaints;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(file, 0) == 0) {
      line = line.substr(file.size());
      if (line == " fails to validate" || line == " validates") continue;
      size_t afterNumber = line.find(": ", 1);
      if (line[0] == ':' && afterNumber != std::string::npos) line = line.substr(afterNumber + 2);
    }
    complaints += line + "\n";
  }
  return complaints;
}

// The rules of the 5.10 schema this program's files do not follow, because its own rules for
// format 5.09 say otherwise.
const std::set<std::string> kKnownDisagreements = {
    // Attributes 5.10 added and requires; 5.09 files do not carry them.
    "element РасчНалБаза: Schemas validity error : Element 'РасчНалБаза': The attribute "
    "'СумДохДивКИК' is required but missing.",
    "element РасчНалПУ: Schemas validity error : Element 'РасчНалПУ': The attribute "
    "'ОбщАвУплЗач227.1' is required but missing.",
    "element РасчНалПУ: Schemas validity error : Element 'РасчНалПУ': The attribute "
    "'ИсчислУпл' is required but missing.",
    "element РасчНалПУ: Schemas validity error : Element 'РасчНалПУ': The attribute "
    "'УплПатентЗач' is required but missing.",
    "element РасчНалПУ: Schemas validity error : Element 'РасчНалПУ': The attribute "
    "'ТСУплПерЗач' is required but missing.",
    "element РасчДохНалИно: Schemas validity error : Element 'РасчДохНалИно': The attribute "
    "'КодВидДох' is required but missing.",
    "element РасхФактДолСтр: Schemas validity error : Element 'РасхФактДолСтр': The attribute "
    "'СумДохУстПрав' is required but missing.",
    // Attributes and elements the files carry that 5.10 names otherwise or does not have.
    "element РасчНалПУ: Schemas validity error : Element 'РасчНалПУ', attribute "
    "'ОбщУплЗач227.1': The attribute 'ОбщУплЗач227.1' is not allowed.",
    "element ДоходИстИно: Schemas validity error : Element 'ДоходИстИно', attribute "
    "'ДоходИноРубОбщ': The attribute 'ДоходИноРубОбщ' is not allowed.",
    "element ДоходИстИно: Schemas validity error : Element 'ДоходИстИно', attribute "
    "'НалУплИноРубОбщ': The attribute 'НалУплИноРубОбщ' is not allowed.",
    "element ДоходИстИно: Schemas validity error : Element 'ДоходИстИно', attribute "
    "'НалИсчислРФОбщ': The attribute 'НалИсчислРФОбщ' is not allowed.",
    "element ДоходИстИно: Schemas validity error : Element 'ДоходИстИно', attribute "
    "'НалЗачРФОбщ': The attribute 'НалЗачРФОбщ' is not allowed.",
    "element ВычЖилИмущ: Schemas validity error : Element 'ВычЖилИмущ', attribute "
    "'ДохИстИтог': The attribute 'ДохИстИтог' is not allowed.",
    "element ВычЖилИмущ: Schemas validity error : Element 'ВычЖилИмущ', attribute "
    "'ВычИмущИтог': The attribute 'ВычИмущИтог' is not allowed.",
    "element СумИмущОбщ: Schemas validity error : Element 'СумИмущОбщ': This element is not "
    "expected. Expected is ( СумИмущДок ).",
    "element ВычИноеИмущ: Schemas validity error : Element 'ВычИноеИмущ', attribute "
    "'ДохИстИтог': The attribute 'ДохИстИтог' is not allowed.",
    "element ВычИноеИмущ: Schemas validity error : Element 'ВычИноеИмущ', attribute "
    "'ВычИнИмущИтог': The attribute 'ВычИнИмущИтог' is not allowed.",
    "element ВычСоцИнв219: Schemas validity error : Element 'ВычСоцИнв219', attribute "
    "'ОбщВзносВыч': The attribute 'ОбщВзносВыч' is not allowed.",
    "element ВычСоцИнв219: Schemas validity error : Element 'ВычСоцИнв219', attribute "
    "'ОбщСоцВычПер': The attribute 'ОбщСоцВычПер' is not allowed.",
    "element ВычСоцИнв219: Schemas validity error : Element 'ВычСоцИнв219', attribute "
    "'СоцВыч219': The attribute 'СоцВыч219' is not allowed.",
    "element РасчПСВВыч: Schemas validity error : Element 'РасчПСВВыч': This element is not "
    "expected. Expected is one of ( РасчПенсВзнос, РасчИнвВыч ).",
    "element РасхФактДолСтр: Schemas validity error : Element 'РасхФактДолСтр', attribute "
    "'СумДохДолСтр': The attribute 'СумДохДолСтр' is not allowed.",
};

// Complaints about values rather than names: a required attribute the program writes although
// the user left it blank, and a "whole" amount that has kopecks where 5.10 wants an integer.
const std::regex kBlankValue(".*attribute '[^']+': (\\[facet '[a-zA-Z]+'\\] )?The value '' .*");
const std::regex kWholeWithKopecks(
    ".*attribute '[^']+': '[0-9]+\\.[0-9]+' is not a valid value of the local atomic type\\.");

struct SchemaCase {
  const char* name;  // complaints in tests/fixtures/export/<name>.schema.txt
  const char* fixture;
};

const SchemaCase kSchemaCases[] = {
    {"full_return", "model/full_return.kv4"},
    {"nonresident", "export/nonresident.json"},
    {"no_inn", "export/no_inn.json"},
    {"representative", "export/representative.json"},
};

class Schema3Test : public testing::TestWithParam<SchemaCase> {};

TEST_P(Schema3Test, ComplaintsAreTheReviewedDisagreements) {
  const SchemaCase& c = GetParam();
  test::TempDir dir;
  std::string file = ExportInto(dir, c.fixture);
  std::string complaints = SchemaComplaints(kSchema3, file);
  std::string expected = test::FixturePath(std::string("export/") + c.name + ".schema.txt");
  if (std::getenv("KVOR_UPDATE_GOLDEN")) {
    test::WriteFile(expected, complaints);
    FAIL() << expected << " rewritten: review it before committing";
  }
  EXPECT_EQ(complaints, test::ReadFile(expected));
}

INSTANTIATE_TEST_SUITE_P(Returns, Schema3Test, testing::ValuesIn(kSchemaCases),
                         [](const testing::TestParamInfo<SchemaCase>& info) {
                           return std::string(info.param.name);
                         });

// Every reviewed complaint is a known disagreement, or a value the user left blank in the
// fixture; none is an error of the program.
TEST(Schema3Test, ReviewedComplaintsAreKnownDisagreements) {
  std::vector<std::string> names = {"every_element"};  // the document of EveryElementOfTheBody
  for (const SchemaCase& c : kSchemaCases) names.push_back(c.name);
  for (const std::string& name : names) {
    std::istringstream lines(test::ReadFile(test::FixturePath("export/" + name + ".schema.txt")));
    for (std::string line; std::getline(lines, line);) {
      bool known = kKnownDisagreements.count(line) || std::regex_match(line, kBlankValue) ||
                   std::regex_match(line, kWholeWithKopecks);
      EXPECT_TRUE(known) << name << ": " << line;
    }
  }
}

// Gives every amount of a record, and of the records and lists it holds, the same positive value
// (whole roubles, as taxes are).
template <class T>
void FillAmounts(T& value) {
  using namespace json_detail;
  if constexpr (std::is_same_v<T, Money>) {
    value = Money::Roubles(12345);
  } else if constexpr (HasFields<T>) {
    T::VisitFields(value, [](const char*, auto& field) { FillAmounts(field); });
  } else if constexpr (IsStdArray<T>::value || IsVector<T>::value) {
    for (auto& item : value) FillAmounts(item);
  }
}

// A summary in which every amount is positive, so that every element whose condition is an
// amount is written, over the full return: the body holds every element the file can hold but
// for the other branch of a choice (ИстФЛИн or ИстЮЛ, and so on).
std::string EveryElementDocument() {
  mTDeclaration d = FixtureReturn("model/full_return.kv4");
  kTSvodSum sum;
  sum.Run(d);  // the income-type codes and counted costs of the model
  d.ConstructionDeduct.Objects[0].ShareMark = 1;
  sum.List1.Rate = "13";
  sum.List2.Rate = "30";
  sum.List3.Rate = "35";
  sum.List4.Rate = "09";
  sum.List5.Rate = "15";
  sum.List6.Lines = {{kKbkBusiness, "45383000", kToPay, Money()},
                     {kKbkAgentRefund, "46701000", kToRefund, Money()},
                     {kKbkOther, "45383000", kNothingDue, Money()}};
  for (kTSvodSumPrilB& sheet : sum.PrilB) {
    DohodCur line;
    line.CountryCode = "840";
    line.SourseIncomeName = "Apple Inc.";
    line.CurrencyCode = "840";
    line.IncomeDate = *Date::FromYMD(2014, 8, 14);
    line.TaxDate = *Date::FromYMD(2014, 8, 15);
    line.IncomeRateText = "36.1";
    line.TaxRateText = "36.2";
    line.IncomeCurrencyText = "47.00";
    line.TaxCurrencyText = "4.70";
    sheet.Lines = {line};
  }
  mbTPens contract;
  contract.PensKind = 1;
  contract.SourseIncomeName = "НПФ";
  contract.SourseINN = "7707049388";
  contract.SourseKPP = "770701001";
  contract.ContractNumber = "12";
  contract.ContractDate = *Date::FromYMD(2013, 9, 1);
  sum.PrilE3.NpfContracts = {contract};
  contract.PensKind = 2;
  sum.PrilE3.FundedContracts = {contract};
  FillAmounts(sum);
  return BuildExchangeDocument(d, sum, "NO_NDFL3_7705_7705_500100732259_20150320_GUID",
                               *Date::FromYMD(2015, 3, 20));
}

TEST(Schema3Test, EveryElementOfTheBody) {
  test::TempDir dir;
  std::string file = dir.File("every_element.xml");
  test::WriteFile(file, Utf8ToCp1251(EveryElementDocument()));
  std::string complaints = SchemaComplaints(kSchema3, file);
  std::string expected = test::FixturePath("export/every_element.schema.txt");
  if (std::getenv("KVOR_UPDATE_GOLDEN")) {
    test::WriteFile(expected, complaints);
    FAIL() << expected << " rewritten: review it before committing";
  }
  EXPECT_EQ(complaints, test::ReadFile(expected));
}

TEST(Schema3Test, EveryNameIsInTheSchemaOrAKnownDisagreement) {
  std::string schema = Cp1251ToUtf8(test::ReadFile(kSchema3));
  // The names of 4-NDFL, and the 5.09 names the 5.10 schema lacks.
  const std::set<std::string> notInSchema = {
      "НПФЛ",           "НДФЛ4",          "ПредДоход",       "НаимОрг",
      "ОбщУплЗач227.1", "ДоходИноРубОбщ", "НалУплИноРубОбщ", "НалИсчислРФОбщ",
      "ДохИстИтог",     "ВычИмущИтог",    "СумИмущОбщ",      "ВычИнИмущИтог",
      "ОбщСоцВычПер",   "СоцВыч219",      "СоцВычВзносНА",   "СумДохДолСтр"};
  std::set<std::string> missing;
  for (const char* name : xml_names::kAll) {
    if (schema.find("name=\"" + std::string(name) + "\"") == std::string::npos)
      missing.insert(name);
  }
  EXPECT_EQ(missing, notInSchema);
}

TEST(Schema4Test, FileHasTheStructureOfTheForm) {
  for (const char* fixture : {"export/ndfl4.json"}) {
    test::TempDir dir;
    std::string file = ExportInto(dir, fixture);
    int status = -1;
    std::string complaints = SchemaComplaints(kStructure4, file, &status);
    EXPECT_EQ(status, 0) << complaints;
    EXPECT_EQ(complaints, "");
  }
  // And the structural schema does reject what is not the form: a 3-NDFL file.
  test::TempDir dir;
  int status = -1;
  SchemaComplaints(kStructure4, ExportInto(dir, "export/no_inn.json"), &status);
  EXPECT_NE(status, 0);
}

}  // namespace
}  // namespace kvor
